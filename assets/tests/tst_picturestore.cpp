#include "PictureStore.h"

#include <QtTest>

#include <algorithm>

Q_DECLARE_METATYPE(PictureId)

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
    QTest::addColumn<PictureId>("id");
    for (const PictureRow &row : PictureTable)
        QTest::newRow(row.file) << row.id;
}

void tst_PictureStore::assets()
{
    QFETCH(PictureId, id);

    const PictureAsset &asset = PictureStore::picture(id);
    QCOMPARE(asset.id, id);
    QVERIFY(asset.bytes.size() > 100);
    // Constant for the run: the same bytes in the same place every time.
    QCOMPARE(PictureStore::picture(id).bytes.data(), asset.bytes.data());

    const QByteArray start(reinterpret_cast<const char *>(asset.bytes.data()), 6);
    switch (asset.format) {
    case PictureFormat::Jpeg: QVERIFY(start.startsWith("\xff\xd8\xff")); break;
    case PictureFormat::Gif: QCOMPARE(start, "GIF89a"); break;
    case PictureFormat::Icon: QCOMPARE(start, QByteArray("\0\0\1\0\1\0", 6)); break;
    }

    // Every other picture is distinct.
    for (const PictureRow &other : PictureTable) {
        const auto otherBytes = PictureStore::picture(other.id).bytes;
        if (other.id != id)
            QVERIFY(!std::ranges::equal(otherBytes, asset.bytes));
    }
}

void tst_PictureStore::decode_data()
{
    assets_data();
}

void tst_PictureStore::decode()
{
    QFETCH(PictureId, id);

    const QImage image = PictureStore::decode(id);
    QCOMPARE(image.format(), QImage::Format_RGB32);
    // The file's density (72 or 96 dpi) must not change the size shown.
    QCOMPARE(image.devicePixelRatio(), 1.0);
    QVERIFY(isOpaque(image));
}

QTEST_MAIN(tst_PictureStore)
#include "tst_picturestore.moc"
