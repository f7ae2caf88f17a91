#include "Artwork.h"

#include <QtTest>

#include <algorithm>
#include <map>
#include <vector>

Q_DECLARE_METATYPE(PictureId)

namespace {

// Which colour family a pixel belongs to, for counting the lettering's pixels.
enum class Family { Red, PaleBlue, Gold };

bool inFamily(QRgb p, Family family)
{
    const int r = qRed(p), g = qGreen(p), b = qBlue(p);
    switch (family) {
    case Family::Red: return r > 150 && r > 2 * g && r > 2 * b;
    case Family::PaleBlue: return b > 200 && g > 150 && r > 110 && b >= r && b >= g;
    case Family::Gold: return r > 180 && g > 110 && b < 110 && r > g;
    }
    return false;
}

// Each picture drawn once: the splash takes a moment.
const QImage &drawn(PictureId id)
{
    static std::map<PictureId, QImage> cache;
    auto it = cache.find(id);
    if (it == cache.end())
        it = cache.emplace(id, Artwork::draw(id)).first;
    return it->second;
}

int median(std::vector<int> values)
{
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

} // namespace

Q_DECLARE_METATYPE(Family)

class tst_TitleArt : public QObject
{
    Q_OBJECT

private slots:
    void iconColours_data();
    void iconColours();
    void iconIsLetteringOnWhite();
    void blackBackground_data();
    void blackBackground();
    void plate_data();
    void plate();
    void lettering_data();
    void lettering();
};

void tst_TitleArt::iconColours_data()
{
    QTest::addColumn<QRgb>("colour");
    QTest::addColumn<int>("minimum");

    // Black letters on white, smoothed in the two greys between.
    QTest::newRow("black") << qRgb(0, 0, 0) << 120;
    QTest::newRow("grey") << qRgb(128, 128, 128) << 10;
    QTest::newRow("silver") << qRgb(192, 192, 192) << 10;
    QTest::newRow("white") << qRgb(255, 255, 255) << 512;
}

void tst_TitleArt::iconColours()
{
    QFETCH(QRgb, colour);
    QFETCH(int, minimum);

    const QImage &icon = drawn(PictureId::icoMain);
    std::map<QRgb, int> counts;
    for (int y = 0; y < icon.height(); ++y) {
        for (int x = 0; x < icon.width(); ++x)
            ++counts[icon.pixel(x, y)];
    }
    QCOMPARE(counts.size(), size_t(4)); // the encoder keeps exactly these four
    QVERIFY2(counts[colour] >= minimum, qPrintable(QString::number(counts[colour])));
}

void tst_TitleArt::iconIsLetteringOnWhite()
{
    const QImage &icon = drawn(PictureId::icoMain);
    for (int i = 0; i < 32; ++i) {
        QCOMPARE(icon.pixel(i, 0), qRgb(255, 255, 255));
        QCOMPARE(icon.pixel(i, 31), qRgb(255, 255, 255));
    }
    // Two letters: black in both halves.
    const QImage left = icon.copy(0, 0, 16, 32), right = icon.copy(16, 0, 16, 32);
    for (const QImage &half : {left, right}) {
        int black = 0;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 16; ++x)
                black += half.pixel(x, y) == qRgb(0, 0, 0);
        }
        QVERIFY2(black >= 60, qPrintable(QString::number(black)));
    }
}

void tst_TitleArt::blackBackground_data()
{
    QTest::addColumn<PictureId>("id");
    QTest::addColumn<QRect>("area");

    using enum PictureId;
    QTest::newRow("intro top left") << picIntro << QRect(0, 0, 3, 3);
    QTest::newRow("intro top right") << picIntro << QRect(297, 0, 3, 3);
    QTest::newRow("intro bottom left") << picIntro << QRect(0, 197, 3, 3);
    QTest::newRow("intro bottom right") << picIntro << QRect(297, 197, 3, 3);
    QTest::newRow("intro inside the frame") << picIntro << QRect(40, 50, 220, 6);
    QTest::newRow("splash top left") << picSplash << QRect(0, 0, 2, 2);
    QTest::newRow("splash bottom right") << picSplash << QRect(298, 398, 2, 2);
    QTest::newRow("splash beside the medallion") << picSplash << QRect(30, 150, 50, 30);
    QTest::newRow("splash beside the title") << picSplash << QRect(24, 200, 26, 60);
}

void tst_TitleArt::blackBackground()
{
    QFETCH(PictureId, id);
    QFETCH(QRect, area);

    const QImage &picture = drawn(id);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            QVERIFY2(picture.pixel(x, y) == qRgb(0, 0, 0), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
    }
}

void tst_TitleArt::plate_data()
{
    QTest::addColumn<PictureId>("id");
    QTest::addColumn<int>("minBlue");
    QTest::addColumn<int>("maxBlue");

    QTest::newRow("author icon: mid-blue") << PictureId::picAuthorIcon << 140 << 230;
    QTest::newRow("group logo: dark blue") << PictureId::picGroupLogo << 40 << 120;
}

void tst_TitleArt::plate()
{
    QFETCH(PictureId, id);
    QFETCH(int, minBlue);
    QFETCH(int, maxBlue);

    // The plate covers most of the picture, so the median is its face colour.
    const QImage &picture = drawn(id);
    std::vector<int> reds, greens, blues;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = picture.pixel(x, y);
            reds.push_back(qRed(p));
            greens.push_back(qGreen(p));
            blues.push_back(qBlue(p));
        }
    }
    const int r = median(reds), g = median(greens), b = median(blues);
    QVERIFY2(b >= minBlue && b <= maxBlue, qPrintable(QString::number(b)));
    QVERIFY(b > r + 40 && b > g + 40);

    // The rim is lighter than the face, and blue too.
    const QRgb rim = picture.pixel(0, 15);
    QVERIFY(qBlue(rim) > b && qBlue(rim) > qRed(rim));
}

void tst_TitleArt::lettering_data()
{
    QTest::addColumn<PictureId>("id");
    QTest::addColumn<Family>("family");
    QTest::addColumn<int>("minimum");

    using enum PictureId;
    QTest::newRow("author icon: red script") << picAuthorIcon << Family::Red << 120;
    QTest::newRow("group logo: pale-blue word") << picGroupLogo << Family::PaleBlue << 130;
    QTest::newRow("group logo: gold word") << picGroupLogo << Family::Gold << 30;
    QTest::newRow("intro: pale-blue word") << picIntro << Family::PaleBlue << 2500;
    QTest::newRow("intro: gold word") << picIntro << Family::Gold << 300;
    QTest::newRow("splash: crimson and red") << picSplash << Family::Red << 3000;
    QTest::newRow("splash: gold") << picSplash << Family::Gold << 3500;
}

void tst_TitleArt::lettering()
{
    QFETCH(PictureId, id);
    QFETCH(Family, family);
    QFETCH(int, minimum);

    const QImage &picture = drawn(id);
    int count = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x)
            count += inFamily(picture.pixel(x, y), family);
    }
    QVERIFY2(count >= minimum, qPrintable(QString::number(count)));
}

QTEST_MAIN(tst_TitleArt)
#include "tst_titleart.moc"
