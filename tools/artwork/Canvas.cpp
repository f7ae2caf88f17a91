#include "Canvas.h"

#include <QPainter>

#include <cmath>

namespace Canvas {

namespace {
constexpr QRgb checkerWhite = 0xffffffff;
constexpr QRgb checkerBlue = 0xffc8d7f5;
} // namespace

void drawCheckerboard(QPainter &painter, const QRectF &area, qreal cell)
{
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    painter.fillRect(area, QColor::fromRgb(checkerWhite));
    const int columns = int(std::ceil(area.width() / cell));
    const int rows = int(std::ceil(area.height() / cell));
    const QColor blue = QColor::fromRgb(checkerBlue);
    for (int row = 0; row < rows; ++row) {
        for (int column = (row + 1) % 2; column < columns; column += 2)
            painter.fillRect(QRectF(area.left() + column * cell, area.top() + row * cell, cell, cell), blue);
    }
    painter.restore();
}

void drawMarchingAnts(QPainter &painter, const QPainterPath &outline)
{
    painter.save();
    // Crisp single pixels, as a paint program draws its selection.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawPath(outline);
    QPen dashes(Qt::black, 1, Qt::CustomDashLine, Qt::FlatCap);
    dashes.setDashPattern({4, 4});
    painter.setPen(dashes);
    painter.drawPath(outline);
    painter.restore();
}

} // namespace Canvas
