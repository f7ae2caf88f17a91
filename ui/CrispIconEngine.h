#ifndef CRISPICONENGINE_H
#define CRISPICONENGINE_H

#include <QIconEngine>
#include <QPixmap>

// An icon made of one picture that is enlarged by repeating pixels, never
// smoothed: a picture button on a high-density screen shows its picture as
// sharp as the rest of the window.
class CrispIconEngine final : public QIconEngine
{
public:
    explicit CrispIconEngine(const QPixmap &picture);

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QIconEngine *clone() const override;
    QString key() const override;

private:
    QPixmap m_picture;
};

#endif // CRISPICONENGINE_H
