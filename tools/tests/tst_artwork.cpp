#include "Artwork.h"

#include <QtTest>

#include <map>

Q_DECLARE_METATYPE(PictureId)

namespace {

// What a pixel of a step picture must show.
enum class Expect {
    Black,
    CheckerWhite,
    CheckerBlue,
    Checker, // either cell colour: the transparent layer shows
    OrangeYellow, // the solid fill of the oval and of the brush stroke
    PaleYellow, // the semi-transparent oval over the checkerboard
};

bool near(QRgb pixel, QRgb wanted, int tolerance = 3)
{
    return qAbs(qRed(pixel) - qRed(wanted)) <= tolerance && qAbs(qGreen(pixel) - qGreen(wanted)) <= tolerance
        && qAbs(qBlue(pixel) - qBlue(wanted)) <= tolerance;
}

constexpr QRgb white = 0xffffff;
constexpr QRgb blue = 0xc8d7f5;

bool matches(QRgb pixel, Expect expect)
{
    switch (expect) {
    case Expect::Black: return near(pixel, 0x000000, 0);
    case Expect::CheckerWhite: return near(pixel, white);
    case Expect::CheckerBlue: return near(pixel, blue);
    case Expect::Checker: return near(pixel, white) || near(pixel, blue);
    case Expect::OrangeYellow:
        return qRed(pixel) >= 240 && qGreen(pixel) >= 160 && qGreen(pixel) <= 215 && qBlue(pixel) <= 60;
    case Expect::PaleYellow:
        // Yellow mixed with the cell below it: lighter than the solid fill,
        // still clearly yellow.
        return qRed(pixel) >= 200 && qBlue(pixel) >= 100 && qBlue(pixel) <= qRed(pixel) - 50
            && !matches(pixel, Expect::OrangeYellow);
    }
    return false;
}

const QImage &picture(PictureId id)
{
    static std::map<PictureId, QImage> drawn;
    auto it = drawn.find(id);
    if (it == drawn.end())
        it = drawn.emplace(id, Artwork::draw(id)).first;
    return it->second;
}

} // namespace

Q_DECLARE_METATYPE(Expect)

class tst_Artwork : public QObject
{
    Q_OBJECT

private slots:
    void stepPixels_data();
    void stepPixels();
    void drawingIsRepeatable();
};

// The oval of steps 1 to 4 is centred at (150, 118), 120 by 176, its ring
// 14 pixels thick; the brush stroke of step 4 is 14 wide, x 143 to 157.
void tst_Artwork::stepPixels_data()
{
    QTest::addColumn<PictureId>("id");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<Expect>("expect");

    using enum PictureId;
    using enum Expect;
    const PictureId onBlack[] = {picStep5, picStep6, picStep7};
    const PictureId onLayer[] = {picStep1, picStep2, picStep3, picStep4};
    const QPoint corners[] = {
        {0,   0  },
        {299, 0  },
        {0,   299},
        {299, 299}
    };
    const Expect cornerCells[] = {CheckerWhite, CheckerBlue, CheckerBlue, CheckerWhite};

    for (PictureId id : onBlack) {
        for (const QPoint &c : corners)
            QTest::addRow("step %d black at (%d,%d)", int(id) - int(picStep1) + 1, c.x(), c.y()) << id << c << Black;
    }
    for (PictureId id : onLayer) {
        const int step = int(id) - int(picStep1) + 1;
        for (int i = 0; i < 4; ++i)
            QTest::addRow("step %d checkerboard at (%d,%d)", step, corners[i].x(), corners[i].y())
                << id << corners[i] << cornerCells[i];
        // The same oval in the same place: on its ring, just outside it.
        QTest::addRow("step %d ring top", step) << id << QPoint(150, 36) << OrangeYellow;
        QTest::addRow("step %d ring left", step)
            << id << QPoint(97, 118) << (id == picStep4 ? PaleYellow : OrangeYellow);
        QTest::addRow("step %d ring right", step)
            << id << QPoint(203, 118) << (id == picStep4 ? PaleYellow : OrangeYellow);
        QTest::addRow("step %d outside above", step) << id << QPoint(150, 26) << Checker;
        QTest::addRow("step %d outside left", step) << id << QPoint(86, 118) << Checker;
        QTest::addRow("step %d outside right", step) << id << QPoint(214, 118) << Checker;
    }

    QTest::newRow("step 1 centre solid") << picStep1 << QPoint(150, 118) << OrangeYellow;
    QTest::newRow("step 2 centre solid") << picStep2 << QPoint(150, 118) << OrangeYellow;
    QTest::newRow("step 3 centre cut out") << picStep3 << QPoint(150, 118) << Checker;
    QTest::newRow("step 3 opening left") << picStep3 << QPoint(120, 118) << Checker;

    // The stroke runs over the ring's full height and no farther.
    QTest::newRow("step 4 stroke at top") << picStep4 << QPoint(150, 33) << OrangeYellow;
    QTest::newRow("step 4 stroke at centre") << picStep4 << QPoint(150, 118) << OrangeYellow;
    QTest::newRow("step 4 stroke at bottom") << picStep4 << QPoint(150, 203) << OrangeYellow;
    QTest::newRow("step 4 stroke left edge") << picStep4 << QPoint(144, 118) << OrangeYellow;
    QTest::newRow("step 4 beside stroke") << picStep4 << QPoint(140, 118) << Checker;
    QTest::newRow("step 4 below ring") << picStep4 << QPoint(150, 210) << Checker;
}

void tst_Artwork::stepPixels()
{
    QFETCH(PictureId, id);
    QFETCH(QPoint, point);
    QFETCH(Expect, expect);

    const QImage &image = picture(id);
    QCOMPARE(image.size(), QSize(300, 300));
    const QRgb pixel = image.pixel(point);
    QVERIFY2(matches(pixel, expect),
             qPrintable(QStringLiteral("pixel %1,%2,%3").arg(qRed(pixel)).arg(qGreen(pixel)).arg(qBlue(pixel))));
}

// The generator must write the same files on every run.
void tst_Artwork::drawingIsRepeatable()
{
    QCOMPARE(Artwork::draw(PictureId::picStep6), picture(PictureId::picStep6));
}

QTEST_MAIN(tst_Artwork)
#include "tst_artwork.moc"
