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

// The mean difference of two pictures of one size, over every channel of
// every pixel, 0 to 255.
double meanDifference(const QImage &a, const QImage &b)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * a.width() * a.height());
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
    void drawingWithTwiceThePixels_data();
    void drawingWithTwiceThePixels();
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

void tst_PictureStore::drawingWithTwiceThePixels_data()
{
    QTest::addColumn<PictureId>("id");
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QSize>("pixels");

    QTest::newRow("intro at 200 %") << PictureId::picIntro << 2.0 << QSize(600, 400);
    QTest::newRow("intro at 150 %") << PictureId::picIntro << 1.5 << QSize(450, 300);
    QTest::newRow("step 7 at 300 %") << PictureId::picStep7 << 3.0 << QSize(600, 600);
    QTest::newRow("splash at 200 %") << PictureId::picSplash << 2.0 << QSize(600, 800);
    QTest::newRow("author's logo at 175 %") << PictureId::picAuthorIcon << 1.75 << QSize(140, 54);
    QTest::newRow("icon at 200 %, kept as it is") << PictureId::icoMain << 2.0 << QSize(32, 32);
}

// Above 100 % a picture is its drawing with twice the pixels, reduced to the
// screen's pixels, and still the same picture: halved, it is close to the
// picture as it is at 100 %.
void tst_PictureStore::drawingWithTwiceThePixels()
{
    QFETCH(PictureId, id);
    QFETCH(qreal, ratio);
    QFETCH(QSize, pixels);

    const QImage image = PictureStore::decode(id, ratio);
    QCOMPARE(image.size(), pixels);
    QCOMPARE(image.format(), QImage::Format_RGB32);
    const QImage atOne = PictureStore::decode(id);
    QCOMPARE(image.deviceIndependentSize().toSize(), atOne.size());
    const QImage halved = image.scaled(atOne.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const double difference = meanDifference(halved, atOne);
    QVERIFY2(difference < 8, qPrintable(QStringLiteral("mean difference %1").arg(difference)));
}

QTEST_MAIN(tst_PictureStore)
#include "tst_picturestore.moc"
