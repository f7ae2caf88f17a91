#include "PictureBox.h"

#include <QPainter>
#include <QStyle>

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawFrame(&painter);
    const QPixmap picture = pixmap();
    const QRect box = contentsRect();
    painter.setClipRect(box);
    // Without SmoothPixmapTransform the painter repeats pixels when it scales.
    painter.drawPixmap(
        QStyle::alignedRect(layoutDirection(), alignment(), picture.deviceIndependentSize().toSize(), box), picture);
}
