// The floor for start-up and memory: the least a Qt Widgets program does to
// show one embedded JPEG, the splash picture, in a frameless window centred
// on the screen; above 100 % its drawing with twice the pixels, which Qt
// reads with a device pixel ratio of 2 by its file name.

#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

namespace {

class PictureWindow final : public QWidget
{
public:
    explicit PictureWindow(const QPixmap &picture)
        : QWidget(nullptr, Qt::FramelessWindowHint)
        , m_picture(picture)
    {
        setFixedSize(picture.deviceIndependentSize().toSize());
    }

protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).drawPixmap(0, 0, m_picture); }

private:
    QPixmap m_picture;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    PictureWindow window(
        QPixmap(app.devicePixelRatio() > 1 ? QStringLiteral(":/picSplash@2x.jpg") : QStringLiteral(":/picSplash.jpg")));
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window.move(screen->availableGeometry().center() - window.rect().center());
    window.show();
    return app.exec();
}
