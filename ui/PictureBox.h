#ifndef PICTUREBOX_H
#define PICTUREBOX_H

#include <QLabel>

#include <cmath>

// A label that shows its picture pixel for pixel: a picture made for the
// screen's density (PictureStore) lands with each of its pixels on one device
// pixel; QLabel would first make a smoothed copy at the device's size and
// blur it.
class PictureBox final : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

    // The point nearest to `point` in `widget` that lies on a corner of the
    // window's device pixels: a picture drawn there at a fractional ratio
    // (125, 150 %) lands pixel for pixel, where the painter would lose half
    // a row at its edge.
    static QPointF onDevicePixel(const QWidget *widget, QPoint point)
    {
        const QPoint offset = widget->mapTo(widget->window(), QPoint(0, 0));
        const qreal ratio = widget->devicePixelRatioF();
        const QPoint inWindow = point + offset;
        return QPointF(std::round(inWindow.x() * ratio) / ratio, std::round(inWindow.y() * ratio) / ratio) - offset;
    }

protected:
    void paintEvent(QPaintEvent *event) override;
};

#endif // PICTUREBOX_H
