#include "Artwork.h"
#include "PictureStore.h"

#include <QtTest>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <set>

Q_DECLARE_METATYPE(PictureSlot)

namespace {

constexpr int McuSize = 8;

// Reads the stored alpha byte itself: pixel() would report 255 for any
// RGB32 image, whatever the decoder left in memory.
bool isOpaque(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(row[x]) != 255)
                return false;
        }
    }
    return true;
}

// The index of the colour nearest to `colour` by squared RGB distance, the
// lowest index on a tie: how the pictures were reduced to their palettes.
int nearestIndex(const QList<QRgb> &palette, QRgb colour)
{
    int best = 0;
    int bestDistance = INT_MAX;
    for (int i = 0; i < palette.size(); ++i) {
        const int dr = qRed(palette[i]) - qRed(colour);
        const int dg = qGreen(palette[i]) - qGreen(colour);
        const int db = qBlue(palette[i]) - qBlue(colour);
        const int distance = dr * dr + dg * dg + db * db;
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

// The drawn source with every pixel replaced by its nearest palette colour.
QImage reduced(const QImage &source, const QList<QRgb> &palette)
{
    QImage image(source.size(), QImage::Format_RGB32);
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x)
            image.setPixel(x, y, palette[nearestIndex(palette, source.pixel(x, y))]);
    }
    return image;
}

QList<QRgb> gifGlobalTable(const PictureAsset &asset)
{
    const int entries = 2 << (asset.bytes[10] & 7);
    QList<QRgb> table;
    for (int i = 0; i < entries; ++i) {
        const unsigned char *rgb = &asset.bytes[std::size_t(13 + 3 * i)];
        table.append(qRgb(rgb[0], rgb[1], rgb[2]));
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

// Size and depth as a picture file's own header gives them; formatKnown is
// false unless the file starts as its format's files do.
struct Header {
    bool formatKnown = false;
    QSize size;
    unsigned bitsPerPixel = 0;
};

Header headerOf(const PictureAsset &asset)
{
    const QByteArray file(reinterpret_cast<const char *>(asset.bytes.data()), qsizetype(asset.bytes.size()));
    const auto u8 = [&file](qsizetype at) { return unsigned(uchar(file.at(at))); };
    const auto le16 = [&u8](qsizetype at) { return u8(at) | u8(at + 1) << 8; };
    const auto be16 = [&u8](qsizetype at) { return u8(at) << 8 | u8(at + 1); };
    Header header;
    switch (asset.format) {
    case PictureFormat::Jpeg:
        // Segment by segment up to the frame header: precision, height,
        // width, components.
        if (!file.startsWith("\xff\xd8"))
            break;
        for (qsizetype at = 2; at + 10 <= file.size() && u8(at) == 0xff; at += 2 + be16(at + 2)) {
            if (u8(at + 1) == 0xc0) {
                header.formatKnown = true;
                header.size = QSize(int(be16(at + 7)), int(be16(at + 5)));
                header.bitsPerPixel = u8(at + 4) * u8(at + 9);
                break;
            }
        }
        break;
    case PictureFormat::Gif:
        // The logical screen and the size of the global colour table.
        header.formatKnown = file.startsWith("GIF89a");
        header.size = QSize(int(le16(6)), int(le16(8)));
        header.bitsPerPixel = (u8(10) & 7) + 1;
        break;
    case PictureFormat::Icon:
        // The one directory entry: width, height, bits a pixel.
        header.formatKnown = file.startsWith(QByteArray("\0\0\1\0\1\0", 6));
        header.size = QSize(int(u8(6)), int(u8(7)));
        header.bitsPerPixel = le16(12);
        break;
    }
    return header;
}

} // namespace

class tst_PictureStore : public QObject
{
    Q_OBJECT

private slots:
    void assets_data();
    void assets();
    void decode_data();
    void decode();
    void introIsTheSameEverywhere();
    void gifMatchesReducedSource_data();
    void gifMatchesReducedSource();
    void iconHasFourColours();
    void jpegMatchesSource_data();
    void jpegMatchesSource();
};

void tst_PictureStore::assets_data()
{
    QTest::addColumn<PictureSlot>("slot");
    QTest::addColumn<unsigned>("width");
    QTest::addColumn<unsigned>("height");

    for (const PictureRow &row : PictureTable)
        QTest::newRow(row.file) << row.slot << row.width << row.height;
}

void tst_PictureStore::assets()
{
    QFETCH(PictureSlot, slot);

    const PictureAsset &asset = PictureStore::picture(slot);
    QCOMPARE(asset.slot, slot);
    QVERIFY(asset.bytes.size() > 100);
    // Constant for the run: the same bytes in the same place every time.
    QCOMPARE(PictureStore::picture(slot).bytes.data(), asset.bytes.data());

    // What the table says of the picture is what its file's header says.
    const Header header = headerOf(asset);
    QVERIFY(header.formatKnown);
    QTEST(unsigned(header.size.width()), "width");
    QTEST(unsigned(header.size.height()), "height");
    QCOMPARE(header.bitsPerPixel, asset.bitsPerPixel);

    // Every other picture is distinct.
    for (const PictureRow &other : PictureTable) {
        const auto otherBytes = PictureStore::picture(other.slot).bytes;
        if (other.slot != slot)
            QVERIFY(!std::ranges::equal(otherBytes, asset.bytes));
    }
}

void tst_PictureStore::decode_data()
{
    assets_data();
}

void tst_PictureStore::decode()
{
    QFETCH(PictureSlot, slot);
    QFETCH(unsigned, width);
    QFETCH(unsigned, height);

    const QImage image = PictureStore::decode(slot);
    QCOMPARE(image.format(), QImage::Format_RGB32);
    // The file's density (72 or 96 dpi) must not change the size shown.
    QCOMPARE(image.size(), QSize(int(width), int(height)));
    QCOMPARE(image.devicePixelRatio(), 1.0);
    QVERIFY(isOpaque(image));
}

void tst_PictureStore::introIsTheSameEverywhere()
{
    // Picture1 at start and imgIntro later both decode the one picIntro.
    QCOMPARE(PictureStore::decode(PictureSlot::picIntro), PictureStore::decode(PictureSlot::picIntro));
}

void tst_PictureStore::gifMatchesReducedSource_data()
{
    QTest::addColumn<PictureSlot>("slot");
    QTest::addColumn<int>("colours");
    QTest::newRow("picAuthorIcon interlaced") << PictureSlot::picAuthorIcon << 256;
    QTest::newRow("picGroupLogo") << PictureSlot::picGroupLogo << 128;
}

void tst_PictureStore::gifMatchesReducedSource()
{
    QFETCH(PictureSlot, slot);

    const PictureAsset &asset = PictureStore::picture(slot);
    const QList<QRgb> table = gifGlobalTable(asset);
    QTEST(int(table.size()), "colours");
    const QImage expected = reduced(Artwork::draw(slot), table);
    const QImage decoded = PictureStore::decode(slot);
    // Row by row, so that a row out of its interlace pass shows by number.
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            if (decoded.pixel(x, y) != expected.pixel(x, y))
                QFAIL(qPrintable(QStringLiteral("row %1 differs at x %2").arg(y).arg(x)));
        }
    }
}

void tst_PictureStore::iconHasFourColours()
{
    const QList<QRgb> four = {qRgb(0, 0, 0), qRgb(128, 128, 128), qRgb(192, 192, 192), qRgb(255, 255, 255)};
    const QImage expected = reduced(Artwork::draw(PictureSlot::icoMain), four);
    const QImage decoded = PictureStore::decode(PictureSlot::icoMain);
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

void tst_PictureStore::jpegMatchesSource_data()
{
    QTest::addColumn<PictureSlot>("slot");
    using enum PictureSlot;
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

void tst_PictureStore::jpegMatchesSource()
{
    QFETCH(PictureSlot, slot);

    const QImage source = Artwork::draw(slot);
    const QImage decoded = PictureStore::decode(slot);
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
            QVERIFY2(here <= shifted + 0.5,
                     qPrintable(QStringLiteral("MCU row at %1 fits better shifted").arg(top)));
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

QTEST_MAIN(tst_PictureStore)
#include "tst_picturestore.moc"
