#ifndef CANVAS_H
#define CANVAS_H

#include <QPainterPath>
#include <QRectF>

class QPainter;

// The marks of a paint program's canvas in the step pictures, drawn in the
// painter's coordinates.
namespace Canvas {

// The checkerboard a paint program shows through a transparent layer, white
// and pale blue cells of `cell` pixels, a white one at area's top left.
void drawCheckerboard(QPainter &painter, const QRectF &area, qreal cell = 8);

// A selection outline: one-pixel black and white dashes ("marching ants").
void drawMarchingAnts(QPainter &painter, const QPainterPath &outline);

} // namespace Canvas

#endif // CANVAS_H
