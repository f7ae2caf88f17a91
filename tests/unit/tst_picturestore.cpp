#include "PictureStore.h"

#include <QtTest>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <set>

Q_DECLARE_METATYPE(PictureSlot)

namespace {

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

QTEST_MAIN(tst_PictureStore)
#include "tst_picturestore.moc"
