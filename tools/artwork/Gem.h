#ifndef GEM_H
#define GEM_H

#include <QColor>
#include <QPointF>

class QPainter;

// Round glass gems, set in the title pictures' ornaments.
namespace Gem {

// A gem of colour `tint` with a highlight at its top left.
void draw(QPainter &painter, QPointF centre, qreal radius, QColor tint);

} // namespace Gem

#endif // GEM_H
