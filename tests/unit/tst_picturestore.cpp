#include "PictureBatch.h"
#include "PictureStore.h"

#include <QtTest>

#include <algorithm>

Q_DECLARE_METATYPE(PictureSlot)
Q_DECLARE_METATYPE(std::vector<PictureSlot>)

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
    void batch_data();
    void batch();
};

void tst_PictureStore::assets_data()
{
    QTest::addColumn<PictureSlot>("slot");
    for (const PictureRow &row : PictureTable)
        QTest::newRow(row.file) << row.slot;
}

void tst_PictureStore::assets()
{
    QFETCH(PictureSlot, slot);

    const PictureAsset &asset = PictureStore::picture(slot);
    QCOMPARE(asset.slot, slot);
    QVERIFY(asset.bytes.size() > 100);
    // Constant for the run: the same bytes in the same place every time.
    QCOMPARE(PictureStore::picture(slot).bytes.data(), asset.bytes.data());

    const QByteArray start(reinterpret_cast<const char *>(asset.bytes.data()), 6);
    switch (asset.format) {
    case PictureFormat::Jpeg: QVERIFY(start.startsWith("\xff\xd8\xff")); break;
    case PictureFormat::Gif: QCOMPARE(start, "GIF89a"); break;
    case PictureFormat::Icon: QCOMPARE(start, QByteArray("\0\0\1\0\1\0", 6)); break;
    }

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

    const QImage image = PictureStore::decode(slot);
    QCOMPARE(image.format(), QImage::Format_RGB32);
    // The file's density (72 or 96 dpi) must not change the size shown.
    QCOMPARE(image.devicePixelRatio(), 1.0);
    QVERIFY(isOpaque(image));
}

void tst_PictureStore::batch_data()
{
    QTest::addColumn<std::vector<PictureSlot>>("wanted");
    std::vector<PictureSlot> all;
    for (const PictureRow &row : PictureTable)
        all.push_back(row.slot);
    QTest::newRow("all twelve") << all;
    QTest::newRow("one") << std::vector<PictureSlot>{PictureSlot::picStep7};
    QTest::newRow("none") << std::vector<PictureSlot>{};
}

void tst_PictureStore::batch()
{
    QFETCH(std::vector<PictureSlot>, wanted);

    std::array<QImage, PictureSlotCount> expected;
    for (PictureSlot slot : wanted)
        expected[std::size_t(slot)] = PictureStore::decode(slot);
    // Taken at once, while the thread still decodes: every picture of the
    // set whole, each once, round after round.
    for (int round = 0; round < 20; ++round) {
        PictureBatch batch(wanted);
        for (const PictureRow &row : PictureTable) {
            QCOMPARE(batch.take(row.slot), expected[std::size_t(row.slot)]);
            QVERIFY(batch.take(row.slot).isNull());
        }
    }
}

QTEST_MAIN(tst_PictureStore)
#include "tst_picturestore.moc"
