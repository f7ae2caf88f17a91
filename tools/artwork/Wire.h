#ifndef WIRE_H
#define WIRE_H

#include <QBrush>
#include <QPainterPath>

class QPainter;

// Round metal wire along a path, for the intro's rods and scrolls.
namespace Wire {

// Strokes the path as wire `width` pixels thick, bevelled with the colour
// ramp as polished metal is (see Bevel.h), edged in black where it crosses
// other work.
void draw(QPainter &painter, const QPainterPath &path, qreal width, const QGradientStops &ramp);

} // namespace Wire

#endif // WIRE_H
