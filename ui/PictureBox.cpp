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
    // At its own size: a picture made for a fractional ratio is a fraction
    // of a logical pixel larger or smaller than its logical size.
    const QRect place =
        QStyle::alignedRect(layoutDirection(), alignment(), picture.deviceIndependentSize().toSize(), box);
    painter.drawPixmap(onDevicePixel(this, place.topLeft()), picture);
}
