#include "Artwork.h"
#include "GifWriter.h"
#include "IconWriter.h"
#include "JpegWriter.h"
#include "Lettering.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QSaveFile>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <stdexcept>

namespace {

enum class Encoding {
    Icon,
    GifInterlaced256, // interlaced, 256 colours, 169 bytes behind the trailer
    Gif128,           // row by row, 128 colours
    Jpeg96,           // density 96 dpi
    Jpeg72,           // density 72 dpi
};

struct Output {
    PictureSlot slot;
    const char *name;
    const char *extension;
    Encoding encoding;
};

using enum PictureSlot;

constexpr Output Outputs[] = {
    {icoMain,       "icoMain",       "ico", Encoding::Icon},
    {picAuthorIcon, "picAuthorIcon", "gif", Encoding::GifInterlaced256},
    {picGroupLogo,  "picGroupLogo",  "gif", Encoding::Gif128},
    {picIntro,      "picIntro",      "jpg", Encoding::Jpeg72},
    {picStep1,      "picStep1",      "jpg", Encoding::Jpeg96},
    {picStep2,      "picStep2",      "jpg", Encoding::Jpeg96},
    {picStep3,      "picStep3",      "jpg", Encoding::Jpeg96},
    {picStep4,      "picStep4",      "jpg", Encoding::Jpeg96},
    {picStep5,      "picStep5",      "jpg", Encoding::Jpeg96},
    {picStep6,      "picStep6",      "jpg", Encoding::Jpeg96},
    {picStep7,      "picStep7",      "jpg", Encoding::Jpeg96},
    {picSplash,     "picSplash",     "jpg", Encoding::Jpeg96},
};
static_assert(std::size(Outputs) == PictureSlotCount);

constexpr int TrailingByteCount = 169;

QByteArray trailingBytes()
{
    // Any fixed bytes do: a note, padded with zeros.
    QByteArray bytes("Bytes behind the GIF trailer, not part of the picture.");
    bytes.append(QByteArray(TrailingByteCount - bytes.size(), '\0'));
    return bytes;
}

QByteArray jpeg(const Output &output, int dotsPerInch, const QImage &image)
{
    JpegWriter writer(dotsPerInch);
    writer.setComment(QByteArray("Tutorial No. 3: ") + output.name);
    return writer.write(image);
}

QByteArray encode(const Output &output, const QImage &image)
{
    switch (output.encoding) {
    case Encoding::Icon:
        return IconWriter::write(image);
    case Encoding::GifInterlaced256: {
        GifWriter writer(256);
        writer.setInterlaced(true);
        writer.setTrailingBytes(trailingBytes());
        return writer.write(image);
    }
    case Encoding::Gif128:
        return GifWriter(128).write(image);
    case Encoding::Jpeg96:
        return jpeg(output, 96, image);
    case Encoding::Jpeg72:
        return jpeg(output, 72, image);
    }
    throw std::logic_error("unknown encoding");
}

// Leaves an unchanged file alone so that the build does not embed it afresh.
void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes)
        return;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw std::runtime_error("cannot write " + path.toStdString());
}

struct Encoded {
    const Output *output;
    QImage decoded;
};

// Every picture at its pixel size, as decoded from its file, named below it;
// four to a row on grey so that black pictures stand out.
QImage contactSheet(const QList<Encoded> &pictures)
{
    constexpr int Columns = 4;
    constexpr int Cell = 300;
    constexpr int Margin = 16;
    constexpr int LabelHeight = 22;

    QList<int> rowHeights;
    for (qsizetype i = 0; i < pictures.size(); ++i) {
        if (i % Columns == 0)
            rowHeights.append(0);
        rowHeights.last() = std::max(rowHeights.last(), pictures[i].decoded.height() + LabelHeight);
    }
    int height = Margin;
    for (int rowHeight : rowHeights)
        height += rowHeight + Margin;

    QImage sheet(Margin + Columns * (Cell + Margin), height, QImage::Format_RGB32);
    sheet.fill(QColor(112, 112, 112));
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::Antialiasing);
    int top = Margin;
    for (qsizetype i = 0; i < pictures.size(); ++i) {
        const int left = Margin + int(i % Columns) * (Cell + Margin);
        const QImage &picture = pictures[i].decoded;
        painter.drawImage(left, top, picture);
        const QPainterPath label = Lettering::path(Lettering::Face::Sans, 14,
                                                   QLatin1String(pictures[i].output->name));
        painter.fillPath(label.translated(left, top + picture.height() + 16), Qt::white);
        if (i % Columns == Columns - 1 || i + 1 == pictures.size())
            top += rowHeights[i / Columns] + Margin;
    }
    painter.end();
    return sheet;
}

} // namespace

// picturegen OUTDIR [--contact-sheet FILE]: draws every picture and writes it
// in its file format as OUTDIR/<slot>.<ext>.
int main(int argc, char *argv[])
{
    // A build tool: never needs a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draws and encodes the program's pictures."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("outdir"), QStringLiteral("Folder for the picture files."));
    const QCommandLineOption sheetOption(QStringLiteral("contact-sheet"),
                                         QStringLiteral("Also write a PNG showing every picture."),
                                         QStringLiteral("file"));
    parser.addOption(sheetOption);
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);

    try {
        const QString dir = parser.positionalArguments().constFirst();
        if (!QDir().mkpath(dir))
            throw std::runtime_error("cannot create " + dir.toStdString());
        QList<Encoded> pictures;
        for (const Output &output : Outputs) {
            const QImage image = Artwork::draw(output.slot);
            if (image.size() != Artwork::size(output.slot))
                throw std::runtime_error(std::string("the drawing of ") + output.name + " has the wrong size");
            const QByteArray bytes = encode(output, image);
            writeFile(dir + u'/' + QLatin1String(output.name) + u'.' + QLatin1String(output.extension), bytes);
            if (parser.isSet(sheetOption)) {
                const QImage decoded = QImage::fromData(bytes, output.extension);
                if (decoded.isNull())
                    throw std::runtime_error(std::string("Qt cannot read back ") + output.name);
                pictures.append({&output, decoded});
            }
        }
        if (parser.isSet(sheetOption)) {
            const QString sheetFile = parser.value(sheetOption);
            if (!contactSheet(pictures).save(sheetFile, "PNG"))
                throw std::runtime_error("cannot write " + sheetFile.toStdString());
        }
    } catch (const std::exception &error) {
        std::fprintf(stderr, "picturegen: %s\n", error.what());
        return 1;
    }
    return 0;
}
