#include "GifWriter.h"

#include "MedianCut.h"

#include <gif_lib.h>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

int appendToBuffer(GifFileType *gif, const GifByteType *data, int length)
{
    static_cast<QByteArray *>(gif->UserData)->append(reinterpret_cast<const char *>(data), length);
    return length;
}

[[noreturn]] void fail(const char *what, int error)
{
    const char *reason = GifErrorString(error);
    throw std::runtime_error(std::string("giflib: ") + what + ": " + (reason ? reason : "unknown error"));
}

// The order the rows are stored in: top to bottom, or the interlace passes
// (every 8th row from 0, every 8th from 4, every 4th from 2, every 2nd from 1).
std::vector<int> rowOrder(int height, bool interlaced)
{
    std::vector<int> rows;
    if (!interlaced) {
        for (int y = 0; y < height; ++y)
            rows.push_back(y);
        return rows;
    }
    static constexpr int Start[] = {0, 4, 2, 1};
    static constexpr int Step[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass) {
        for (int y = Start[pass]; y < height; y += Step[pass])
            rows.push_back(y);
    }
    return rows;
}

struct GifCloser {
    void operator()(GifFileType *gif) const { EGifCloseFile(gif, nullptr); }
};

struct MapFree {
    void operator()(ColorMapObject *map) const { GifFreeMapObject(map); }
};

} // namespace

GifWriter::GifWriter(int paletteSize)
    : m_paletteSize(paletteSize)
{
}

void GifWriter::setInterlaced(bool interlaced)
{
    m_interlaced = interlaced;
}

void GifWriter::setTrailingBytes(const QByteArray &bytes)
{
    m_trailingBytes = bytes;
}

QByteArray GifWriter::write(const QImage &image) const
{
    const QImage source = image.convertToFormat(QImage::Format_RGB32);
    const QList<QRgb> palette = MedianCut::palette(source, m_paletteSize);

    std::vector<GifColorType> colours;
    for (QRgb colour : palette)
        colours.push_back({GifByteType(qRed(colour)), GifByteType(qGreen(colour)), GifByteType(qBlue(colour))});
    const std::unique_ptr<ColorMapObject, MapFree> map(GifMakeMapObject(m_paletteSize, colours.data()));
    if (!map || (1 << map->BitsPerPixel) != m_paletteSize)
        throw std::invalid_argument("a GIF palette needs a power-of-two size from 2 to 256");

    QByteArray file;
    int error = 0;
    std::unique_ptr<GifFileType, GifCloser> gif(EGifOpen(&file, appendToBuffer, &error));
    if (!gif)
        fail("open", error);
    EGifSetGifVersion(gif.get(), true);
    // The colour resolution is the table's bit width; giflib derives the LZW
    // minimum code size from the same width.
    if (EGifPutScreenDesc(gif.get(), source.width(), source.height(), map->BitsPerPixel, 0, map.get()) == GIF_ERROR)
        fail("screen descriptor", gif->Error);
    if (EGifPutImageDesc(gif.get(), 0, 0, source.width(), source.height(), m_interlaced, nullptr) == GIF_ERROR)
        fail("image descriptor", gif->Error);

    std::vector<GifPixelType> line(std::size_t(source.width()));
    for (int y : rowOrder(source.height(), m_interlaced)) {
        for (int x = 0; x < source.width(); ++x)
            line[std::size_t(x)] = GifPixelType(MedianCut::nearest(palette, source.pixel(x, y)));
        if (EGifPutLine(gif.get(), line.data(), source.width()) == GIF_ERROR)
            fail("image data", gif->Error);
    }
    // Closing writes the trailer.
    if (EGifCloseFile(gif.release(), &error) == GIF_ERROR)
        fail("close", error);
    return file + m_trailingBytes;
}
