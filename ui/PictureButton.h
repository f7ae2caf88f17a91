#ifndef PICTUREBUTTON_H
#define PICTUREBUTTON_H

#include <QPixmap>
#include <QPushButton>

// A push button that shows a picture where the style puts a button's icon,
// drawn pixel for pixel as PictureBox draws its own, where an icon would be
// smoothed once more.
class PictureButton final : public QPushButton
{
    Q_OBJECT

public:
    PictureButton(const QPixmap &picture, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
};

#endif // PICTUREBUTTON_H
