#include "PictureButton.h"

#include "PictureBox.h"

#include <QStyleOptionButton>
#include <QStylePainter>

PictureButton::PictureButton(const QPixmap &picture, QWidget *parent)
    : QPushButton(parent)
    , m_picture(picture)
{
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    painter.drawControl(QStyle::CE_PushButton, option);

    // Where the style centres a button's icon on the button's contents, moved
    // as it moves a pressed button's icon.
    const QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    const QSize size = m_picture.deviceIndependentSize().toSize();
    QRect place =
        QStyle::visualRect(layoutDirection(), contents,
                           {contents.x() + (contents.width() - size.width()) / 2,
                            contents.y() + (contents.height() - size.height()) / 2, size.width(), size.height()});
    if (option.state & (QStyle::State_On | QStyle::State_Sunken))
        place.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                        style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    // Without SmoothPixmapTransform, which the style may leave on, a picture
    // made for the screen's density lands pixel for pixel.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawPixmap(PictureBox::onDevicePixel(this, place.topLeft()), m_picture);
}
