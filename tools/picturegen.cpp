#include "Artwork.h"
#include "GifWriter.h"
#include "IconWriter.h"
#include "JpegWriter.h"
#include "Lettering.h"
#include "PictureTable.h"

#include <QBuffer>
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

// A picture as decoded from its files: at its size, and at twice the pixels
// where it has that.
struct Decoded {
    QLatin1String name;
    QImage picture;
    QImage picture2x;
};

// Every picture at its pixel size, as decoded from its file, its drawing at
// twice the pixels beside it, named below; laid out in rows on grey so that
// black pictures stand out.
QImage contactSheet(const QList<Decoded> &pictures)
{
    constexpr int Width = 1900;
    constexpr int Margin = 16;
    constexpr int LabelHeight = 22;
    const auto cellSize = [](const Decoded &d) {
        return QSize(d.picture.width() + (d.picture2x.isNull() ? 0 : Margin + d.picture2x.width()),
                     std::max(d.picture.height(), d.picture2x.height()) + LabelHeight);
    };

    // Places each cell left to right, a new row where the next does not fit.
    QList<QPoint> places;
    QPoint next(Margin, Margin);
    int rowHeight = 0;
    for (const Decoded &d : pictures) {
        const QSize cell = cellSize(d);
        if (next.x() > Margin && next.x() + cell.width() + Margin > Width) {
            next = QPoint(Margin, next.y() + rowHeight + Margin);
            rowHeight = 0;
        }
        places.append(next);
        next.rx() += cell.width() + 2 * Margin;
        rowHeight = std::max(rowHeight, cell.height());
    }

    QImage sheet(Width, next.y() + rowHeight + Margin, QImage::Format_RGB32);
    sheet.fill(QColor(112, 112, 112));
    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::Antialiasing);
    for (qsizetype i = 0; i < pictures.size(); ++i) {
        const Decoded &d = pictures[i];
        const QPoint at = places[i];
        painter.drawImage(at, d.picture);
        if (!d.picture2x.isNull())
            painter.drawImage(at + QPoint(d.picture.width() + Margin, 0), d.picture2x);
        const QPainterPath label = Lettering::path(Lettering::Face::Sans, 14, d.name);
        painter.fillPath(label.translated(at.x(), at.y() + cellSize(d).height() - LabelHeight + 16), Qt::white);
    }
    painter.end();
    return sheet;
}

} // namespace

// picturegen OUTDIR [--theme-icon-sizes LIST] [--contact-sheet FILE]: draws
// every picture and writes it in its file format as OUTDIR/<file>, once at its
// size and once at twice the pixels where its table row names a file for that.
int main(int argc, char *argv[])
{
    // A build tool: never needs a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Draws and encodes the program's pictures."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("outdir"), QStringLiteral("Folder for the picture files."));
    const QCommandLineOption iconOption(QStringLiteral("theme-icon-sizes"),
                                        QStringLiteral("Also draw the icon for an icon theme at each size, "
                                                       "as themeIcon<size>.png."),
                                        QStringLiteral("comma-separated sizes"));
    parser.addOption(iconOption);
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
        QList<Decoded> pictures;
        for (const PictureRow &row : PictureTable) {
            Decoded decoded{nameOf(row), {}, {}};
            for (int scale : {1, 2}) {
                const char *file = scale == 1 ? row.file : row.file2x;
                if (!file)
                    continue;
                const QImage image = Artwork::draw(row.id, scale);
                if (image.size() != Artwork::size(row.id) * scale)
                    throw std::runtime_error(std::string("the drawing of ") + file + " has the wrong size");
                const QByteArray bytes = encode(row, image);
                writeFile(dir + u'/' + QLatin1String(file), bytes);
                // What the program will show: the file as Qt reads it.
                QImage &readBack = scale == 1 ? decoded.picture : decoded.picture2x;
                readBack = QImage::fromData(bytes, extensionOf(row));
                if (readBack.isNull())
                    throw std::runtime_error(std::string("Qt cannot read back ") + file);
            }
            pictures.append(decoded);
        }
        for (const QString &size : parser.value(iconOption).split(u',', Qt::SkipEmptyParts)) {
            const int pixels = size.toInt();
            if (pixels < 1)
                throw std::runtime_error("not an icon size: " + size.toStdString());
            QByteArray bytes;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            if (!Artwork::drawThemeIcon(pixels).save(&buffer, "PNG"))
                throw std::runtime_error("cannot encode the theme icon of size " + size.toStdString());
            writeFile(QStringLiteral("%1/themeIcon%2.png").arg(dir, size), bytes);
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
