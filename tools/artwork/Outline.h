#ifndef OUTLINE_H
#define OUTLINE_H

#include <QPainterPath>
#include <QRectF>

// The outlines the links are made of, and the step pictures' oval and brush stroke.
namespace Outline {

QPainterPath ovalRing(const QRectF &outer, qreal thickness); // ellipse minus the ellipse `thickness` inside it
QPainterPath stadium(const QRectF &bounds); // a bar round at both ends of its long side
QPainterPath diamond(const QRectF &bounds); // corners at the middles of the sides

} // namespace Outline

#endif // OUTLINE_H
