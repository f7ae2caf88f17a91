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

    // The logical point nearest to `point` that lies on a device pixel's
    // corner: a picture drawn there at a fractional ratio (125, 150 %) lands
    // pixel for pixel, where the painter would lose half a row at its edge.
    static QPointF onDevicePixel(QPointF point, qreal ratio)
    {
        return {std::round(point.x() * ratio) / ratio, std::round(point.y() * ratio) / ratio};
    }

protected:
    void paintEvent(QPaintEvent *event) override;
};

#endif // PICTUREBOX_H
