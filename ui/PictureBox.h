#ifndef PICTUREBOX_H
#define PICTUREBOX_H

#include <QLabel>

// A label that shows its picture pixel for pixel: a picture made for the
// screen's density (PictureStore) lands with each of its pixels on one device
// pixel; QLabel would first make a smoothed copy at the device's size and
// blur it.
class PictureBox final : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *event) override;
};

#endif // PICTUREBOX_H
