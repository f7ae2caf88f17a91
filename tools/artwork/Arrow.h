#ifndef ARROW_H
#define ARROW_H

#include <QColor>
#include <QPointF>

class QPainter;

// Arrows, drawn in the painter's coordinates.
namespace Arrow {

// The white arrow that points out a detail of a step picture: from tail to
// tip, its shaft `width` pixels wide, edged in black so that it stands out on
// metal too.
void drawPointer(QPainter &painter, QPointF tail, QPointF tip, qreal width);

// An arrow head alone, an ornament of the intro's corners: pointing along
// `direction` (unit vector) from its base at `base`, its half facing the top
// left lit in `light`, the other in `dark`.
void drawHead(QPainter &painter, QPointF base, QPointF direction, qreal length, qreal halfWidth, QColor light,
              QColor dark);

} // namespace Arrow

#endif // ARROW_H
