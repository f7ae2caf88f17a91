#ifndef PICTUREBOX_H
#define PICTUREBOX_H

#include <QLabel>

// A label that shows its picture pixel for pixel. On a high-density screen
// the painter enlarges the picture with the rest of the window, each picture
// pixel a block of device pixels; QLabel would first make a smoothed copy at
// the device's size and blur it.
class PictureBox final : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *event) override;
};

#endif // PICTUREBOX_H
