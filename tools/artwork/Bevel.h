#ifndef BEVEL_H
#define BEVEL_H

#include "Metal.h"

#include <QBrush>
#include <QPainterPath>

class QPainter;

// Polished metal as a paint program's inner-bevel filter makes it, lit from
// the top left. Drawn in the painter's coordinates, honouring its transform;
// the shading is computed in device pixels, so that rotated or scaled shapes
// stay crisp and their light still comes from the top left of the picture.
namespace Bevel {

// How a bevel's cross-section rises from the shape's edge.
enum class Profile {
    Round, // a quarter circle: a ring twice as thick as the bevel reads as round wire
    Chamfer, // a flat 45-degree facet: a diamond becomes a four-sided pyramid
};

// Fills shape as polished metal whose edges are bevelled `bevel` pixels deep,
// its shading mapped into the colour ramp: a finish's, or any other (a blue
// plate, a red medallion).
void draw(QPainter &painter, const QPainterPath &shape, const QGradientStops &ramp, qreal bevel,
          Profile profile = Profile::Round);
void draw(QPainter &painter, const QPainterPath &shape, Metal::Finish finish, qreal bevel,
          Profile profile = Profile::Round);

} // namespace Bevel

#endif // BEVEL_H
