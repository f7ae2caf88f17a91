#include "PictureButton.h"

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

    // Centred on the button's contents, and moved as the style moves a
    // pressed button's icon.
    QRect contents = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    if (option.state & (QStyle::State_On | QStyle::State_Sunken))
        contents.translate(style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, &option, this),
                           style()->pixelMetric(QStyle::PM_ButtonShiftVertical, &option, this));
    // Without SmoothPixmapTransform, which the style may leave on, the
    // painter repeats pixels when it scales.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawPixmap(QStyle::alignedRect(layoutDirection(), Qt::AlignCenter, m_picture.size(), contents), m_picture);
}
