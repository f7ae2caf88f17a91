#ifndef METAL_H
#define METAL_H

#include <QBrush>
#include <QColor>
#include <QLineF>
#include <QList>
#include <QPainterPath>
#include <QRectF>
#include <QRgb>
#include <QSizeF>

class QPainter;

// Polished metal as a paint program's inner-bevel filter makes it, lit from
// the top left, the link shapes cut from it, and the airbrushed shadows it
// throws. Everything is drawn in the painter's coordinates and honours its
// transform; the bevel shading is computed in device pixels, so rotated or
// scaled links stay crisp and their light still comes from the top left of
// the picture. Chains of links are in Chain.h.
namespace Metal {

enum class Finish {
    Gold,  // pale highlight through gold to deep amber
    Steel, // the same ramp with zero saturation
};

// How a bevel's cross-section rises from the shape's edge.
enum class Profile {
    Round,   // a quarter circle: a ring twice as thick as the bevel reads as round wire
    Chamfer, // a flat 45-degree facet: a diamond becomes a four-sided pyramid
};

// The finish's colour ramp, from the deepest shadow (0) to the highlight (1).
// Any other ramp (a blue plate, a red medallion) can be passed to drawBevelled.
QGradientStops ramp(Finish finish);

// Fills shape as polished metal whose edges are bevelled `bevel` pixels deep.
void drawBevelled(QPainter &painter, const QPainterPath &shape, const QGradientStops &ramp,
                  qreal bevel, Profile profile = Profile::Round);
void drawBevelled(QPainter &painter, const QPainterPath &shape, Finish finish, qreal bevel,
                  Profile profile = Profile::Round);

// The outlines the links are made of.
QPainterPath ovalRing(const QRectF &outer, qreal thickness); // ellipse minus the ellipse `thickness` inside it
QPainterPath bar(const QRectF &bounds);                      // a stadium, round at both ends of its long side
QPainterPath diamond(const QRectF &bounds);                  // corners at the middles of the sides

// An oval link seen face on: a round wire ring of the given thickness.
void drawOvalLink(QPainter &painter, const QRectF &outer, qreal thickness,
                  Finish finish = Finish::Gold);
// A link seen edge on: a bevelled bar with round ends.
void drawBarLink(QPainter &painter, const QRectF &bounds, Finish finish = Finish::Gold);
// A faceted diamond.
void drawDiamond(QPainter &painter, const QRectF &bounds, Finish finish);

// The soft airbrushed shadow that caster throws on the shape `onto` just
// behind it: densest (`strength`, 0 to 1) along caster's outline, fading out
// `reach` pixels away from it, shifted a little away from the light. It
// darkens by multiplying towards `tint` (for gold, shadowTint(Gold) keeps
// the shade warm); only `onto` is darkened, nothing inside caster itself.
QColor shadowTint(Finish finish);
void drawCastShadow(QPainter &painter, const QPainterPath &caster, const QPainterPath &onto,
                    qreal reach, qreal strength, const QColor &tint);

} // namespace Metal

#endif // METAL_H
