#include "storedwindow.h"
#include "MainWindow.h"
#include "PictureStore.h"
#include "SplashCard.h"
#include "splashprobe.h"

#include <QtTest>

#include <QLabel>
#include <QPushButton>

#include <cmath>

using namespace std::chrono_literals;

Q_DECLARE_METATYPE(PictureId)

// Run with QT_SCALE_FACTOR set (2 and 1.5 in the suite): the whole window
// scales as one, and each picture is enlarged once, by repeating its pixels,
// never smoothed.
class tst_DesktopHighDpi : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void windowScalesAsOne();
    void stepPictureIsEnlargedCrisply_data();
    void stepPictureIsEnlargedCrisply();
    void pictureButtonsAreEnlargedCrisply_data();
    void pictureButtonsAreEnlargedCrisply();
    void splashIsEnlargedCrisply();

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

// The picture as the screen should show it at a whole ratio: every pixel a
// ratio x ratio block.
QImage enlarged(const QImage &picture, int ratio)
{
    return rgb(picture).scaled(picture.size() * ratio, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

bool isWholeRatio(qreal ratio)
{
    return ratio == std::floor(ratio);
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

// Pixels of the grab in colours the picture does not have: what a smoothing
// filter mixes in.
int foreignPixels(const QImage &grab, const QImage &picture)
{
    QSet<QRgb> own;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            own.insert(picture.pixel(x, y));
    int foreign = 0;
    for (int y = 0; y < grab.height(); ++y)
        for (int x = 0; x < grab.width(); ++x)
            foreign += !own.contains(grab.pixel(x, y));
    return foreign;
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

void tst_DesktopHighDpi::stepPictureIsEnlargedCrisply_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<PictureId>("id");

    QTest::newRow("intro") << "introButton" << PictureId::picIntro;
    QTest::newRow("step 1") << "stepButton1" << PictureId::picStep1;
    QTest::newRow("step 4") << "stepButton4" << PictureId::picStep4;
    QTest::newRow("step 7") << "stepButton7" << PictureId::picStep7;
}

void tst_DesktopHighDpi::stepPictureIsEnlargedCrisply()
{
    QFETCH(QString, button);
    QFETCH(PictureId, id);

    form->findChild<QPushButton *>(button)->click();
    auto *box = child<QLabel>("pagePicture");
    const QImage picture = rgb(PictureStore::decode(id));
    const QRect content = box->contentsRect();

    // In the window, at the place the layout gives it.
    const QImage window = rgb(form->grab());
    const QPoint logical = box->mapTo(form, content.topLeft());
    const QRect place(QPointF(QPointF(logical) * ratio).toPoint(), (QSizeF(picture.size()) * ratio).toSize());
    const QImage shown = window.copy(place);

    if (isWholeRatio(ratio)) {
        QCOMPARE(shown, enlarged(picture, int(ratio)));
        QCOMPARE(rgb(box->grab()).copy(QRect(content.topLeft() * int(ratio), shown.size())), shown);
    }
    QCOMPARE(foreignPixels(shown, picture), 0);
}

void tst_DesktopHighDpi::pictureButtonsAreEnlargedCrisply_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<PictureId>("id");

    QTest::newRow("author") << "aboutButton" << PictureId::picAuthorIcon;
    QTest::newRow("group") << "greetingsButton" << PictureId::picGroupLogo;
}

void tst_DesktopHighDpi::pictureButtonsAreEnlargedCrisply()
{
    QFETCH(QString, button);
    QFETCH(PictureId, id);

    auto *widget = form->findChild<QPushButton *>(button);
    const QImage picture = rgb(PictureStore::decode(id));
    const QImage grab = rgb(widget->grab());
    if (!isWholeRatio(ratio)) {
        // No whole number of device pixels to a picture pixel: where the
        // logo lies cannot be told apart from the bevel by its colours.
        QSKIP("at a fractional ratio the logo's place in the grab is not known");
    }
    // Enlarged, not smoothed, and drawn as it is somewhere inside the button.
    const QImage logo = enlarged(picture, int(ratio));
    const QRect search(QPoint(0, 0), grab.size() - logo.size());
    QVERIFY(search.isValid());
    QVERIFY2(find(grab, logo, search) != QPoint(-1, -1), "the logo is not shown pixel for pixel");
}

void tst_DesktopHighDpi::splashIsEnlargedCrisply()
{
    SplashCard splash(1h);
    const QImage picture = rgb(PictureStore::decode(PictureId::picSplash));
    const QPixmap grab = splash.grab();
    QCOMPARE(grab.devicePixelRatio(), ratio);
    const QImage shown = rgb(grab).copy(QRect(QPoint(0, 0), (QSizeF(picture.size()) * ratio).toSize()));
    if (isWholeRatio(ratio))
        QCOMPARE(shown, enlarged(picture, int(ratio)));
    QCOMPARE(foreignPixels(shown, picture), 0);
}

QTEST_MAIN(tst_DesktopHighDpi)
#include "tst_desktophighdpi.moc"
