#include "Artwork.h"
#include "GifWriter.h"
#include "IconWriter.h"
#include "JpegWriter.h"
#include "Lettering.h"
#include "PictureTable.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QSaveFile>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <exception>
#include <stdexcept>
#include <string_view>

namespace {

using enum PictureId;

// How the pictures are encoded beyond their file's extension: the author's
// logo with 256 colours, interlaced, with bytes behind its trailer; the
// group's logo with 128; the intro at 72 dpi and the other JPEG pictures at 96.
constexpr PictureId InterlacedGif = picAuthorIcon;
constexpr int InterlacedGifColours = 256;
constexpr int OtherGifColours = 128;
constexpr int TrailingByteCount = 169;
constexpr PictureId JpegAt72Dpi = picIntro;

// The file's name without its extension: the picture's name.
QLatin1String nameOf(const PictureRow &row)
{
    const std::string_view file(row.file);
    return QLatin1String(file.substr(0, file.rfind('.')));
}

const char *extensionOf(const PictureRow &row)
{
    return std::strrchr(row.file, '.') + 1;
}

QByteArray trailingBytes()
{
    // Any fixed bytes do: a note, padded with zeros.
    QByteArray bytes("Bytes behind the GIF trailer, not part of the picture.");
    bytes.append(QByteArray(TrailingByteCount - bytes.size(), '\0'));
    return bytes;
}

QByteArray encode(const PictureRow &row, const QImage &image)
{
    const std::string_view extension = extensionOf(row);
    if (extension == "ico")
        return IconWriter::write(image);
    if (extension == "gif") {
        GifWriter writer(row.id == InterlacedGif ? InterlacedGifColours : OtherGifColours);
        if (row.id == InterlacedGif) {
            writer.setInterlaced(true);
            writer.setTrailingBytes(trailingBytes());
        }
        return writer.write(image);
    }
    if (extension == "jpg") {
        JpegWriter writer(row.id == JpegAt72Dpi ? 72 : 96);
        writer.setComment("Tutorial No. 3: " + QByteArray(nameOf(row).data(), nameOf(row).size()));
        return writer.write(image);
    }
    throw std::logic_error(std::string("no writer for ") + row.file);
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
    const PictureRow *row;
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
        const QPainterPath label = Lettering::path(Lettering::Face::Sans, 14, nameOf(*pictures[i].row));
        painter.fillPath(label.translated(left, top + picture.height() + 16), Qt::white);
        if (i % Columns == Columns - 1 || i + 1 == pictures.size())
            top += rowHeights[i / Columns] + Margin;
    }
    painter.end();
    return sheet;
}

} // namespace

// picturegen OUTDIR [--contact-sheet FILE]: draws every picture and writes it
// in its file format as OUTDIR/<id>.<ext>.
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
        for (const PictureRow &row : PictureTable) {
            const QImage image = Artwork::draw(row.id);
            if (image.size() != Artwork::size(row.id))
                throw std::runtime_error(std::string("the drawing of ") + row.file + " has the wrong size");
            const QByteArray bytes = encode(row, image);
            writeFile(dir + u'/' + QLatin1String(row.file), bytes);
            if (parser.isSet(sheetOption)) {
                const QImage decoded = QImage::fromData(bytes, extensionOf(row));
                if (decoded.isNull())
                    throw std::runtime_error(std::string("Qt cannot read back ") + row.file);
                pictures.append({&row, decoded});
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
