#include "Artwork.h"
#include "MedianCut.h"
#include "PictureStore.h"

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <set>

Q_DECLARE_METATYPE(PictureId)

// The embedded pictures against the drawings they were encoded from: each
// file format keeps what the generator promises of it.
namespace {

constexpr int McuSize = 8;

// The drawn source with every pixel replaced by its nearest palette colour.
QImage reduced(const QImage &source, const QList<QRgb> &palette)
{
    QImage image(source.size(), QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x)
            image.setPixel(x, y, palette[MedianCut::nearest(palette, source.pixel(x, y))]);
    }
    return image;
}

// The global colour table of the GIF file embedded for the picture.
QList<QRgb> gifGlobalTable(PictureId id)
{
    QFile file(QStringLiteral(":/pictures/") + QLatin1String(pictureRow(id).file));
    const QByteArray gif = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    if (gif.size() < 13)
        return {};
    const int entries = 2 << (uchar(gif[10]) & 7);
    QList<QRgb> table;
    for (int i = 0; i < entries && 13 + 3 * i + 2 < gif.size(); ++i) {
        const char *rgb = gif.constData() + 13 + 3 * i;
        table.append(qRgb(uchar(rgb[0]), uchar(rgb[1]), uchar(rgb[2])));
    }
    return table;
}

// Mean absolute channel difference over the rows [top, bottom), with the
// decoded picture looked at (dx, dy) away from the source. Both pictures are
// in QImage::Format_RGB32.
double meanError(const QImage &decoded, const QImage &source, int top, int bottom, int dx = 0, int dy = 0)
{
    qint64 sum = 0;
    qint64 samples = 0;
    const int left = std::max(0, -dx);
    const int right = std::min(source.width(), source.width() - dx);
    for (int y = std::max(top, -dy); y < std::min(bottom, source.height() - dy); ++y) {
        const uchar *a = decoded.constScanLine(y + dy) + 4 * (left + dx);
        const uchar *b = source.constScanLine(y) + 4 * left;
        for (int x = left; x < right; ++x, a += 4, b += 4)
            sum += std::abs(a[0] - b[0]) + std::abs(a[1] - b[1]) + std::abs(a[2] - b[2]);
        samples += 3 * (right - left);
    }
    return double(sum) / double(samples);
}

// How far the colour (Cb plus Cr, ignoring brightness) of a decoded pixel is
// from the source's. Chroma subsampling smears the colour of thin edges into
// their neighbours and shows here first.
double chromaError(QRgb decoded, QRgb source)
{
    const int dr = qRed(decoded) - qRed(source);
    const int dg = qGreen(decoded) - qGreen(source);
    const int db = qBlue(decoded) - qBlue(source);
    return std::abs(-0.1687 * dr - 0.3313 * dg + 0.5 * db) + std::abs(0.5 * dr - 0.4187 * dg - 0.0813 * db);
}

} // namespace

class tst_PictureGen : public QObject
{
    Q_OBJECT

private slots:
    void gifMatchesReducedSource_data();
    void gifMatchesReducedSource();
    void iconHasFourColours();
    void jpegMatchesSource_data();
    void jpegMatchesSource();
};

void tst_PictureGen::gifMatchesReducedSource_data()
{
    QTest::addColumn<PictureId>("id");
    QTest::addColumn<int>("colours");
    QTest::newRow("picAuthorIcon interlaced") << PictureId::picAuthorIcon << 256;
    QTest::newRow("picGroupLogo") << PictureId::picGroupLogo << 128;
}

void tst_PictureGen::gifMatchesReducedSource()
{
    QFETCH(PictureId, id);

    const QList<QRgb> table = gifGlobalTable(id);
    QTEST(int(table.size()), "colours");
    const QImage expected = reduced(Artwork::draw(id), table);
    const QImage decoded = PictureStore::decode(id);
    // Row by row, so that a row out of its interlace pass shows by number.
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            if (decoded.pixel(x, y) != expected.pixel(x, y))
                QFAIL(qPrintable(QStringLiteral("row %1 differs at x %2").arg(y).arg(x)));
        }
    }
}

void tst_PictureGen::iconHasFourColours()
{
    const QList<QRgb> four = {qRgb(0, 0, 0), qRgb(128, 128, 128), qRgb(192, 192, 192), qRgb(255, 255, 255)};
    const QImage expected = reduced(Artwork::draw(PictureId::icoMain), four);
    const QImage decoded = PictureStore::decode(PictureId::icoMain);
    std::set<QRgb> seen;
    for (int y = 0; y < decoded.height(); ++y) {
        for (int x = 0; x < decoded.width(); ++x) {
            QVERIFY(four.contains(decoded.pixel(x, y)));
            seen.insert(decoded.pixel(x, y));
        }
    }
    QCOMPARE(seen.size(), std::size_t(4));
    // Stored bottom row first, shown top row first.
    QCOMPARE(decoded, expected);
}

void tst_PictureGen::jpegMatchesSource_data()
{
    QTest::addColumn<PictureId>("id");
    using enum PictureId;
    QTest::newRow("picIntro") << picIntro;
    QTest::newRow("picStep1") << picStep1;
    QTest::newRow("picStep2") << picStep2;
    QTest::newRow("picStep3") << picStep3;
    QTest::newRow("picStep4") << picStep4;
    QTest::newRow("picStep5") << picStep5;
    QTest::newRow("picStep6") << picStep6;
    QTest::newRow("picStep7") << picStep7;
    QTest::newRow("picSplash") << picSplash;
}

void tst_PictureGen::jpegMatchesSource()
{
    QFETCH(PictureId, id);

    const QImage source = Artwork::draw(id);
    const QImage decoded = PictureStore::decode(id);
    QCOMPARE(decoded.size(), source.size());

    // Thresholds: quality 90 with full-resolution colour stays at about half
    // of each, the same pictures with 4:2:0 chroma go over them.
    const double overall = meanError(decoded, source, 0, source.height());
    QVERIFY2(overall < 4.0, qPrintable(QString::number(overall)));

    // One restart interval is one row of MCUs: each must decode in place.
    for (int top = 0; top < source.height(); top += McuSize) {
        const int bottom = std::min(source.height(), top + McuSize);
        const double here = meanError(decoded, source, top, bottom);
        QVERIFY2(here < 10.0, qPrintable(QStringLiteral("MCU row at %1: %2").arg(top).arg(here)));
        for (const QPoint shift : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)}) {
            const double shifted = meanError(decoded, source, top, bottom, shift.x(), shift.y());
            QVERIFY2(here <= shifted + 0.5, qPrintable(QStringLiteral("MCU row at %1 fits better shifted").arg(top)));
        }
    }

    int smeared = 0;
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            if (chromaError(decoded.pixel(x, y), source.pixel(x, y)) > 32)
                ++smeared;
        }
    }
    QVERIFY2(smeared * 2000 < source.width() * source.height(),
             qPrintable(QStringLiteral("%1 pixels off colour").arg(smeared)));
}

QTEST_MAIN(tst_PictureGen)
#include "tst_picturegen.moc"
