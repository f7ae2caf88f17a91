#ifndef LOGOLETTERING_H
#define LOGOLETTERING_H

#include <QPointF>

class QPainter;

// The group's logo lettering: the pale-blue word "Zarnok" over the smaller
// gold word "GRAPHICS", on the group's logo, the intro and the splash card.
namespace LogoLettering {

// Centred on `centre`; `wordSize` is the pixel size of the upper word, and
// everything else scales with it.
void draw(QPainter &painter, QPointF centre, qreal wordSize);

} // namespace LogoLettering

#endif // LOGOLETTERING_H
