#include "PictureStore.h"

#include <QtTest>

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

// The file as embedded, under :/pictures/.
QByteArray embedded(PictureId id)
{
    QFile file(QStringLiteral(":/pictures/") + QLatin1String(pictureRow(id).file));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class tst_PictureStore : public QObject
{
    Q_OBJECT

private slots:
    void files_data();
    void files();
    void decode_data();
    void decode();
};

void tst_PictureStore::files_data()
{
    QTest::addColumn<PictureId>("id");
    QTest::addColumn<QByteArray>("start");
    // What a file starts with, by its extension: JPEG's start of image and a
    // marker, GIF's signature and version, an icon directory of one icon.
    const QHash<QString, QByteArray> starts = {
        {QStringLiteral("jpg"), QByteArray("\xff\xd8\xff")},
        {                     QStringLiteral("gif"), QByteArray("GIF89a")                          },
        { QStringLiteral("ico"),                   QByteArray("\0\0\1\0\1\0",                                             6)},
    };
    for (const PictureRow &row : PictureTable)
        QTest::newRow(row.file) << row.id << starts.value(QFileInfo(QLatin1String(row.file)).suffix());
}

void tst_PictureStore::files()
{
    QFETCH(PictureId, id);
    QFETCH(QByteArray, start);

    const QByteArray file = embedded(id);
    QVERIFY(file.size() > 100);
    QVERIFY2(!start.isEmpty(), "not a JPEG, GIF or icon file name");
    QVERIFY(file.startsWith(start));

    // Every other picture is distinct.
    for (const PictureRow &other : PictureTable) {
        if (other.id != id)
            QVERIFY(embedded(other.id) != file);
    }
}

void tst_PictureStore::decode_data()
{
    files_data();
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
