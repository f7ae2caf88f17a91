#include "storedwindow.h"
#include "MainWindow.h"
#include "PictureTable.h"
#include "SplashCard.h"
#include "splashprobe.h"

#include <QtTest>

#include <QLabel>
#include <QPushButton>

using namespace std::chrono_literals;

Q_DECLARE_METATYPE(PictureId)

// Run with QT_SCALE_FACTOR set (2 and 1.5 in the suite): the whole window
// scales as one, and each picture shows its drawing with twice the pixels,
// each of its pixels on one device pixel (reduced smoothly at 1.5 first).
class tst_DesktopHighDpi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void windowScalesAsOne();
    void stepPictureShowsItsDrawing_data();
    void stepPictureShowsItsDrawing();
    void pictureButtonsShowTheirDrawings_data();
    void pictureButtonsShowTheirDrawings();
    void splashShowsItsDrawing();

private:
    template<typename T>
    T *child(const char *name)
    {
        return form->findChild<T *>(QLatin1String(name));
    }

    Lesson *lesson = nullptr;
    MainWindow *form = nullptr;
    qreal ratio = 1;
};

namespace {

// Pixels only: a grab's device pixel ratio would make equal pixels compare
// unequal.
QImage rgb(const QImage &image)
{
    QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    pixels.setDevicePixelRatio(1);
    return pixels;
}

QImage rgb(const QPixmap &pixmap)
{
    return rgb(pixmap.toImage());
}

// What the screen should show of a picture at the ratio: its drawing with
// twice the pixels, reduced smoothly below 2, each pixel on a device pixel.
QImage drawing(PictureId id, qreal ratio)
{
    const PictureRow &row = pictureRow(id);
    const QImage twice = rgb(QImage(QStringLiteral(":/pictures/") + QLatin1String(row.file2x)));
    if (ratio == 2)
        return twice;
    return twice.scaled((QSizeF(row.width, row.height) * ratio).toSize(), Qt::IgnoreAspectRatio,
                        Qt::SmoothTransformation);
}

// Where the picture's top left lies in the grab, if anywhere within `search`.
QPoint find(const QImage &grab, const QImage &picture, const QRect &search)
{
    for (int y = search.top(); y <= search.bottom(); ++y) {
        for (int x = search.left(); x <= search.right(); ++x) {
            if (grab.copy(QRect(QPoint(x, y), picture.size())) == picture)
                return {x, y};
        }
    }
    return {-1, -1};
}

} // namespace

void tst_DesktopHighDpi::initTestCase()
{
    lesson = new Lesson(10ms);
    startLesson(*lesson);
    form = builtMainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    ratio = form->devicePixelRatioF();
    QVERIFY2(ratio > 1, "run with QT_SCALE_FACTOR=2");
}

void tst_DesktopHighDpi::cleanupTestCase()
{
    delete lesson;
}

void tst_DesktopHighDpi::windowScalesAsOne()
{
    // Layout stays in the same logical units; the device draws it larger.
    QCOMPARE(form->centralWidget()->size(), QSize(581, 556));
    auto *picture = child<QLabel>("pagePicture");
    QCOMPARE(picture->geometry(), QRect(135, 93, 305, 305));

    const QPixmap window = form->grab();
    QCOMPARE(window.devicePixelRatio(), ratio);
    QCOMPARE(window.size(), (QSizeF(form->size()) * ratio).toSize());

    const QPixmap box = picture->grab();
    QCOMPARE(box.devicePixelRatio(), ratio);
    QCOMPARE(box.size(), (QSizeF(305, 305) * ratio).toSize());
}

void tst_DesktopHighDpi::stepPictureShowsItsDrawing_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<PictureId>("id");

    QTest::newRow("intro") << "introButton" << PictureId::picIntro;
    QTest::newRow("step 1") << "stepButton1" << PictureId::picStep1;
    QTest::newRow("step 4") << "stepButton4" << PictureId::picStep4;
    QTest::newRow("step 7") << "stepButton7" << PictureId::picStep7;
}

void tst_DesktopHighDpi::stepPictureShowsItsDrawing()
{
    QFETCH(QString, button);
    QFETCH(PictureId, id);

    form->findChild<QPushButton *>(button)->click();
    auto *box = child<QLabel>("pagePicture");
    const QImage picture = drawing(id, ratio);
    const QRect content = box->contentsRect();

    // In the window, at the place the layout gives it.
    const QImage window = rgb(form->grab());
    const QPoint logical = box->mapTo(form, content.topLeft());
    const QRect place(QPointF(QPointF(logical) * ratio).toPoint(), picture.size());
    QCOMPARE(window.copy(place), picture);
}

void tst_DesktopHighDpi::pictureButtonsShowTheirDrawings_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<PictureId>("id");

    QTest::newRow("author") << "aboutButton" << PictureId::picAuthorIcon;
    QTest::newRow("group") << "greetingsButton" << PictureId::picGroupLogo;
}

void tst_DesktopHighDpi::pictureButtonsShowTheirDrawings()
{
    QFETCH(QString, button);
    QFETCH(PictureId, id);

    // In the window, where the button may start within a device pixel.
    auto *widget = form->findChild<QPushButton *>(button);
    const QRectF place(QPointF(widget->mapTo(form, QPoint(0, 0))) * ratio, QSizeF(widget->size()) * ratio);
    const QImage grab = rgb(form->grab()).copy(place.toAlignedRect());
    const QImage logo = drawing(id, ratio);
    const QRect search(QPoint(0, 0), grab.size() - logo.size());
    QVERIFY(search.isValid());
    QVERIFY2(find(grab, logo, search) != QPoint(-1, -1), "the logo is not shown pixel for pixel");
}

void tst_DesktopHighDpi::splashShowsItsDrawing()
{
    SplashCard splash(1h);
    const QImage picture = drawing(PictureId::picSplash, ratio);
    const QPixmap grab = splash.grab();
    QCOMPARE(grab.devicePixelRatio(), ratio);
    QCOMPARE(rgb(grab).copy(QRect(QPoint(0, 0), picture.size())), picture);
}

QTEST_MAIN(tst_DesktopHighDpi)
#include "tst_desktophighdpi.moc"
