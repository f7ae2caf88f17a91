#ifndef PLATE_H
#define PLATE_H

#include <QColor>
#include <QRect>

class QPainter;

// The bevelled plates the two logos are drawn on.
namespace Plate {

struct Colours {
    QColor rim;
    QColor light; // top and left bevel
    QColor shadow; // bottom and right bevel
    QColor faceTop;
    QColor faceBottom;
};

// A plate filling rect, with a rim of `rimWidth` pixels and bevelled edges
// `bevelWidth` wide lit from the top left, axis aligned on whole pixels.
void draw(QPainter &painter, const QRect &rect, int rimWidth, int bevelWidth, const Colours &colours);

} // namespace Plate

#endif // PLATE_H
