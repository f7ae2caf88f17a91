#include "PictureStore.h"

#include <QtTest>

#include <set>
#include <utility>

Q_DECLARE_METATYPE(PictureId)

// Reads the structure of the embedded picture files with a small parser of
// its own and checks the layout every file of its format must have.
namespace {

QByteArray fileOf(PictureId id)
{
    QFile file(QStringLiteral(":/pictures/") + QLatin1String(pictureRow(id).file));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int u8(const QByteArray &data, qsizetype at)
{
    return uchar(data.at(at));
}

int be16(const QByteArray &data, qsizetype at)
{
    return u8(data, at) << 8 | u8(data, at + 1);
}

qint64 be32(const QByteArray &data, qsizetype at)
{
    return qint64(be16(data, at)) << 16 | be16(data, at + 2);
}

int le16(const QByteArray &data, qsizetype at)
{
    return u8(data, at) | u8(data, at + 1) << 8;
}

qint64 le32(const QByteArray &data, qsizetype at)
{
    return le16(data, at) | qint64(le16(data, at + 2)) << 16;
}

// A JPEG file as the sequence of its marker segments up to and including
// SOS, and what the entropy-coded data after it holds.
struct JpegSegment {
    int marker;
    QByteArray data; // without the marker and the length field
};

struct JpegFile {
    QList<JpegSegment> segments;
    QList<int> restarts; // RSTn numbers in the order they appear
    QList<int> strayMarkers;
    bool endsWithEoi = false;
    bool truncated = false;

    QByteArray segment(int marker) const
    {
        for (const JpegSegment &s : segments) {
            if (s.marker == marker)
                return s.data;
        }
        return {};
    }
};

JpegFile parseJpeg(const QByteArray &file)
{
    JpegFile jpeg;
    if (file.size() < 4 || u8(file, 0) != 0xff || u8(file, 1) != 0xd8) {
        jpeg.truncated = true;
        return jpeg;
    }
    qsizetype at = 2;
    while (true) {
        if (at + 4 > file.size() || u8(file, at) != 0xff) {
            jpeg.truncated = true;
            return jpeg;
        }
        const int marker = u8(file, at + 1);
        const int length = be16(file, at + 2);
        if (at + 2 + length > file.size()) {
            jpeg.truncated = true;
            return jpeg;
        }
        jpeg.segments.append({marker, file.mid(at + 4, length - 2)});
        at += 2 + length;
        if (marker == 0xda)
            break;
    }
    // Entropy-coded data: 0xff 0x00 is a stuffed byte, 0xff 0xd0..0xd7 a
    // restart marker; the file must end with EOI.
    while (at + 1 < file.size()) {
        if (u8(file, at) != 0xff) {
            ++at;
            continue;
        }
        const int next = u8(file, at + 1);
        if (next == 0x00) {
            at += 2;
        } else if (next >= 0xd0 && next <= 0xd7) {
            jpeg.restarts.append(next - 0xd0);
            at += 2;
        } else if (next == 0xd9) {
            jpeg.endsWithEoi = at + 2 == file.size();
            return jpeg;
        } else if (next == 0xff) {
            ++at; // fill byte
        } else {
            jpeg.strayMarkers.append(next);
            at += 2;
        }
    }
    jpeg.truncated = true;
    return jpeg;
}

// A GIF file's blocks after the global colour table.
struct GifFile {
    QByteArray screen; // the 7-byte logical screen descriptor
    QList<QByteArray> images; // 9-byte image descriptors
    QList<int> codeSizes;
    QList<int> extensions; // extension labels
    qsizetype trailer = -1;
    bool truncated = false;
};

GifFile parseGif(const QByteArray &file)
{
    GifFile gif;
    if (file.size() < 13) {
        gif.truncated = true;
        return gif;
    }
    gif.screen = file.mid(6, 7);
    qsizetype at = 13;
    if (u8(file, 10) & 0x80)
        at += 3 * (2 << (u8(file, 10) & 7));
    const auto skipSubBlocks = [&file, &at] {
        while (at < file.size() && u8(file, at) != 0)
            at += 1 + u8(file, at);
        ++at;
        return at <= file.size();
    };
    while (at < file.size()) {
        const int introducer = u8(file, at);
        if (introducer == 0x3b) {
            gif.trailer = at;
            return gif;
        }
        if (introducer == 0x21 && at + 1 < file.size()) {
            gif.extensions.append(u8(file, at + 1));
            at += 2;
        } else if (introducer == 0x2c && at + 11 <= file.size()) {
            const QByteArray descriptor = file.mid(at + 1, 9);
            gif.images.append(descriptor);
            at += 10;
            if (u8(descriptor, 8) & 0x80)
                at += 3 * (2 << (u8(descriptor, 8) & 7));
            if (at >= file.size())
                break;
            gif.codeSizes.append(u8(file, at));
            ++at;
        } else {
            break;
        }
        if (!skipSubBlocks())
            break;
    }
    gif.truncated = true;
    return gif;
}

} // namespace

class tst_PictureFormats : public QObject
{
    Q_OBJECT

private slots:
    void jpegLayout_data();
    void jpegLayout();
    void jpegTables_data();
    void jpegTables();
    void jpegThumbnail_data();
    void jpegThumbnail();
    void gifLayout_data();
    void gifLayout();
    void iconLayout();
};

void tst_PictureFormats::jpegLayout_data()
{
    QTest::addColumn<PictureId>("id");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("density");

    using enum PictureId;
    QTest::newRow("picIntro") << picIntro << 300 << 200 << 72;
    QTest::newRow("picStep1") << picStep1 << 300 << 300 << 96;
    QTest::newRow("picStep2") << picStep2 << 300 << 300 << 96;
    QTest::newRow("picStep3") << picStep3 << 300 << 300 << 96;
    QTest::newRow("picStep4") << picStep4 << 300 << 300 << 96;
    QTest::newRow("picStep5") << picStep5 << 300 << 300 << 96;
    QTest::newRow("picStep6") << picStep6 << 300 << 300 << 96;
    QTest::newRow("picStep7") << picStep7 << 300 << 300 << 96;
    QTest::newRow("picSplash") << picSplash << 300 << 400 << 96;
}

void tst_PictureFormats::jpegLayout()
{
    QFETCH(PictureId, id);
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, density);

    const JpegFile jpeg = parseJpeg(fileOf(id));
    QVERIFY(!jpeg.truncated);
    QList<int> markers;
    for (const JpegSegment &segment : jpeg.segments)
        markers.append(segment.marker);
    // APP0, APP13, COM, APP14, DQT, SOF0, DHT, DRI, SOS: one of each.
    const QList<int> order = {0xe0, 0xed, 0xfe, 0xee, 0xdb, 0xc0, 0xc4, 0xdd, 0xda};
    QCOMPARE(markers, order);

    // JFIF 1.02, density in dots per inch, no thumbnail.
    const QByteArray jfif = jpeg.segment(0xe0);
    QCOMPARE(jfif.size(), 14);
    QCOMPARE(jfif.left(5), QByteArray("JFIF\0", 5));
    QCOMPARE(u8(jfif, 5), 1);
    QCOMPARE(u8(jfif, 6), 2);
    QCOMPARE(u8(jfif, 7), 1);
    QCOMPARE(be16(jfif, 8), density);
    QCOMPARE(be16(jfif, 10), density);
    QCOMPARE(u8(jfif, 12), 0);
    QCOMPARE(u8(jfif, 13), 0);

    QVERIFY(!jpeg.segment(0xfe).isEmpty());

    // Adobe: version 100, no flags, colour transform 1 (YCbCr).
    const QByteArray adobe = jpeg.segment(0xee);
    QCOMPARE(adobe.size(), 12);
    QCOMPARE(adobe.left(5), QByteArray("Adobe"));
    QCOMPARE(be16(adobe, 5), 100);
    QCOMPARE(be16(adobe, 7), 0);
    QCOMPARE(be16(adobe, 9), 0);
    QCOMPARE(u8(adobe, 11), 1);

    // Baseline, 8-bit, components 1, 2, 3 each sampled 1x1, tables 0, 1, 1.
    const QByteArray frame = jpeg.segment(0xc0);
    QCOMPARE(frame.size(), 15);
    QCOMPARE(u8(frame, 0), 8);
    QCOMPARE(be16(frame, 1), height);
    QCOMPARE(be16(frame, 3), width);
    QCOMPARE(u8(frame, 5), 3);
    const QByteArray components = frame.mid(6);
    QCOMPARE(components, QByteArray("\x01\x11\x00\x02\x11\x01\x03\x11\x01", 9));

    const QByteArray restart = jpeg.segment(0xdd);
    QCOMPARE(restart.size(), 2);
    QCOMPARE(be16(restart, 0), 38);

    // One scan of all three components, Huffman tables 0/0, 1/1, 1/1.
    const QByteArray scan = jpeg.segment(0xda);
    QCOMPARE(scan, QByteArray("\x03\x01\x00\x02\x11\x03\x11\x00\x3f\x00", 10));

    // A restart marker after every 38 MCUs, numbered 0 to 7 in turn, and
    // nothing else inside the scan.
    const int mcus = ((width + 7) / 8) * ((height + 7) / 8);
    QCOMPARE(jpeg.restarts.size(), (mcus + 37) / 38 - 1);
    for (int i = 0; i < jpeg.restarts.size(); ++i)
        QCOMPARE(jpeg.restarts[i], i % 8);
    QCOMPARE(jpeg.strayMarkers, QList<int>());
    QVERIFY(jpeg.endsWithEoi);
}

void tst_PictureFormats::jpegTables_data()
{
    jpegLayout_data();
}

void tst_PictureFormats::jpegTables()
{
    QFETCH(PictureId, id);
    const JpegFile jpeg = parseJpeg(fileOf(id));
    QVERIFY(!jpeg.truncated);

    // One DQT: two 8-bit tables, 0 and 1.
    const QByteArray quantisation = jpeg.segment(0xdb);
    QCOMPARE(quantisation.size(), 2 * 65);
    QCOMPARE(u8(quantisation, 0), 0x00);
    QCOMPARE(u8(quantisation, 65), 0x01);

    // One DHT: DC and AC tables 0 and 1, which fill the segment exactly.
    const QByteArray huffman = jpeg.segment(0xc4);
    std::set<std::pair<int, int>> tables;
    qsizetype at = 0;
    while (at + 17 <= huffman.size()) {
        const int classAndId = u8(huffman, at);
        int symbols = 0;
        for (int i = 1; i <= 16; ++i)
            symbols += u8(huffman, at + i);
        QVERIFY(tables.insert({classAndId >> 4, classAndId & 15}).second);
        at += 17 + symbols;
    }
    QCOMPARE(at, huffman.size());
    const std::set<std::pair<int, int>> four = {
        {0, 0},
        {0, 1},
        {1, 0},
        {1, 1}
    };
    QCOMPARE(tables, four);
}

void tst_PictureFormats::jpegThumbnail_data()
{
    jpegLayout_data();
}

void tst_PictureFormats::jpegThumbnail()
{
    QFETCH(PictureId, id);
    QFETCH(int, width);
    QFETCH(int, height);

    // An image-resource block 0x040C: a 28-byte header, then a JPEG.
    const QByteArray resources = parseJpeg(fileOf(id)).segment(0xed);
    QCOMPARE(resources.left(14), QByteArray("Photoshop 3.0\0", 14));
    QCOMPARE(resources.mid(14, 4), QByteArray("8BIM"));
    QCOMPARE(be16(resources, 18), 0x040c);
    QCOMPARE(be16(resources, 20), 0); // empty name, padded to two bytes
    const qint64 size = be32(resources, 22);
    const qsizetype start = 26;
    QCOMPARE(resources.size(), start + size + size % 2);

    const QByteArray header = resources.mid(start, 28);
    const qint64 thumbWidth = be32(header, 4);
    const qint64 thumbHeight = be32(header, 8);
    const qint64 rowBytes = (thumbWidth * 24 + 31) / 32 * 4;
    QCOMPARE(be32(header, 0), 1);
    QCOMPARE(be32(header, 12), rowBytes);
    QCOMPARE(be32(header, 16), rowBytes * thumbHeight);
    QCOMPARE(be32(header, 20), size - 28);
    QCOMPARE(be16(header, 24), 24);
    QCOMPARE(be16(header, 26), 1);

    const QImage thumbnail = QImage::fromData(resources.mid(start + 28, size - 28), "jpeg");
    QVERIFY(!thumbnail.isNull());
    QCOMPARE(thumbnail.width(), int(thumbWidth));
    QCOMPARE(thumbnail.height(), int(thumbHeight));
    QVERIFY(thumbnail.width() < width && thumbnail.height() < height);
}

void tst_PictureFormats::gifLayout_data()
{
    QTest::addColumn<PictureId>("id");
    QTest::addColumn<int>("bits"); // table size 2^bits, resolution and code size
    QTest::addColumn<bool>("interlaced");
    QTest::addColumn<int>("trailing");

    QTest::newRow("picAuthorIcon") << PictureId::picAuthorIcon << 8 << true << 169;
    QTest::newRow("picGroupLogo") << PictureId::picGroupLogo << 7 << false << 0;
}

void tst_PictureFormats::gifLayout()
{
    QFETCH(PictureId, id);
    QFETCH(int, bits);
    QFETCH(bool, interlaced);
    QFETCH(int, trailing);

    const QByteArray file = fileOf(id);
    QCOMPARE(file.left(6), QByteArray("GIF89a"));
    const GifFile gif = parseGif(file);
    QVERIFY(!gif.truncated);

    // 80 x 31 screen; global table of 2^bits entries, resolution bits,
    // unsorted; no aspect ratio.
    QCOMPARE(le16(gif.screen, 0), 80);
    QCOMPARE(le16(gif.screen, 2), 31);
    QCOMPARE(u8(gif.screen, 4), 0x80 | (bits - 1) << 4 | (bits - 1));
    QCOMPARE(u8(gif.screen, 6), 0);

    // One image over the whole screen, no local table, no graphic control.
    QCOMPARE(gif.images.size(), 1);
    const QByteArray image = gif.images.first();
    QCOMPARE(le16(image, 0), 0);
    QCOMPARE(le16(image, 2), 0);
    QCOMPARE(le16(image, 4), 80);
    QCOMPARE(le16(image, 6), 31);
    QCOMPARE(u8(image, 8), interlaced ? 0x40 : 0x00);
    QCOMPARE(gif.codeSizes, QList<int>{bits});
    QVERIFY(!gif.extensions.contains(0xf9));

    QCOMPARE(gif.trailer, file.size() - 1 - trailing);
    // Decoding stops at the trailer: what follows it changes nothing shown.
    const QImage upToTrailer = QImage::fromData(file.left(gif.trailer + 1), "gif");
    QVERIFY(!upToTrailer.isNull());
    QCOMPARE(PictureStore::decode(id), upToTrailer.convertToFormat(QImage::Format_RGB32));
}

void tst_PictureFormats::iconLayout()
{
    const QByteArray file = fileOf(PictureId::icoMain);
    QVERIFY(file.size() >= 22 + 40);

    // Directory: one icon entry, 32 x 32, colour-count byte 4.
    QCOMPARE(le16(file, 0), 0);
    QCOMPARE(le16(file, 2), 1);
    QCOMPARE(le16(file, 4), 1);
    QCOMPARE(u8(file, 6), 32);
    QCOMPARE(u8(file, 7), 32);
    QCOMPARE(u8(file, 8), 4);
    QCOMPARE(u8(file, 9), 0);
    const qint64 imageSize = le32(file, 14);
    const qint64 offset = le32(file, 18);
    QCOMPARE(offset, 22);
    QCOMPARE(offset + imageSize, file.size());

    // BITMAPINFOHEADER: the height counts bitmap and mask; 4 bits per pixel,
    // uncompressed, 0 colours used (the full 16).
    const QByteArray info = file.mid(offset, 40);
    QCOMPARE(le32(info, 0), 40);
    QCOMPARE(le32(info, 4), 32);
    QCOMPARE(le32(info, 8), 64);
    QCOMPARE(le16(info, 12), 1);
    QCOMPARE(le16(info, 14), 4);
    QCOMPARE(le32(info, 16), 0);
    QCOMPARE(le32(info, 32), 0);

    // The 16 VGA colours, each once, black, grey, silver and white at 0, 7, 8, 15.
    QList<QRgb> palette;
    for (int i = 0; i < 16; ++i) {
        const qsizetype at = offset + 40 + 4 * i;
        palette.append(qRgb(u8(file, at + 2), u8(file, at + 1), u8(file, at)));
        QCOMPARE(u8(file, at + 3), 0);
    }
    const std::set<QRgb> vga = {
        qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(128, 128, 128),
        qRgb(192, 192, 192), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
        qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
    };
    QCOMPARE(std::set<QRgb>(palette.begin(), palette.end()), vga);
    QCOMPARE(palette[0], qRgb(0, 0, 0));
    QCOMPARE(palette[7], qRgb(128, 128, 128));
    QCOMPARE(palette[8], qRgb(192, 192, 192));
    QCOMPARE(palette[15], qRgb(255, 255, 255));

    // Colour bitmap bottom row first, only indexes 0, 7, 8, 15; the decoded
    // picture shows it top row first.
    const QImage decoded = PictureStore::decode(PictureId::icoMain);
    const qsizetype bitmap = offset + 40 + 64;
    for (int row = 0; row < 32; ++row) {
        for (int x = 0; x < 32; ++x) {
            const int byte = u8(file, bitmap + row * 16 + x / 2);
            const int index = x % 2 ? byte & 15 : byte >> 4;
            QVERIFY2(index == 0 || index == 7 || index == 8 || index == 15, qPrintable(QString::number(index)));
            QCOMPARE(decoded.pixel(x, 31 - row), palette[index]);
        }
    }

    // The mask: zero everywhere, and the last thing in the file.
    const QByteArray mask = file.mid(bitmap + 32 * 16);
    QCOMPARE(mask, QByteArray(32 * 4, '\0'));
}

QTEST_GUILESS_MAIN(tst_PictureFormats)
#include "tst_pictureformats.moc"
