#include "PictureBox.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOption>

PictureBox::PictureBox(QWidget *parent)
    : QLabel(parent)
{
}

void PictureBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    drawFrame(&painter);

    QPixmap picture = pixmap();
    if (picture.isNull())
        return;
    if (!isEnabled()) {
        QStyleOption option;
        option.initFrom(this);
        picture = style()->generatedIconPixmap(QIcon::Disabled, picture, &option);
    }
    const QRect box = contentsRect();
    const QRect place = QStyle::alignedRect(layoutDirection(), alignment(),
                                            picture.deviceIndependentSize().toSize(), box);
    painter.setClipRect(box);
    // Without SmoothPixmapTransform the painter repeats pixels when it scales.
    painter.drawPixmap(place.topLeft(), picture);
}
