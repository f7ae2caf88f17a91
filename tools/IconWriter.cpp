#include "IconWriter.h"

#include "IconPalette.h"
#include "MedianCut.h"

#include <QList>
#include <QtEndian>

#include <cstddef>
#include <stdexcept>

namespace {

constexpr int Size = 32;
constexpr int BitsPerPixel = 4;
constexpr int ColourRowBytes = Size * BitsPerPixel / 8; // already a multiple of 4
constexpr int MaskRowBytes = 4; // 32 bits, padded to 4 bytes
constexpr int HeaderSize = 6;
constexpr int EntrySize = 16;
constexpr int InfoHeaderSize = 40;
constexpr int PaletteBytes = int(IconPalette::Colours.size()) * 4;
constexpr int ImageBytes = InfoHeaderSize + PaletteBytes + (ColourRowBytes + MaskRowBytes) * Size;

void put16(QByteArray &out, int value)
{
    char bytes[2];
    qToLittleEndian<quint16>(quint16(value), bytes);
    out.append(bytes, 2);
}

void put32(QByteArray &out, int value)
{
    char bytes[4];
    qToLittleEndian<quint32>(quint32(value), bytes);
    out.append(bytes, 4);
}

} // namespace

QByteArray IconWriter::write(const QImage &image)
{
    if (image.size() != QSize(Size, Size))
        throw std::invalid_argument("the icon must be 32 x 32 pixels");

    const auto usedColours = IconPalette::usedColours();
    const QList<QRgb> used(usedColours.begin(), usedColours.end());
    const auto paletteIndex = [&used](QRgb pixel) {
        return IconPalette::UsedIndexes[std::size_t(MedianCut::nearest(used, pixel))];
    };

    QByteArray out;
    // Icon directory with one entry. The colour-count byte is the number of
    // colours actually used; readers take the palette from the bitmap.
    put16(out, 0);
    put16(out, 1);
    put16(out, 1);
    out.append(char(Size));
    out.append(char(Size));
    out.append(char(used.size()));
    out.append(char(0));
    put16(out, 1);
    put16(out, BitsPerPixel);
    put32(out, ImageBytes);
    put32(out, HeaderSize + EntrySize);

    // BITMAPINFOHEADER: the height counts the colour bitmap and the mask.
    put32(out, InfoHeaderSize);
    put32(out, Size);
    put32(out, Size * 2);
    put16(out, 1);
    put16(out, BitsPerPixel);
    put32(out, 0); // no compression
    put32(out, (ColourRowBytes + MaskRowBytes) * Size);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0); // colours used: 0 means all 16
    put32(out, 0);

    for (QRgb colour : IconPalette::Colours) {
        out.append(char(qBlue(colour)));
        out.append(char(qGreen(colour)));
        out.append(char(qRed(colour)));
        out.append(char(0));
    }

    // Colour bitmap, bottom row first, two pixels a byte, high nibble first.
    for (int y = Size - 1; y >= 0; --y) {
        for (int x = 0; x < Size; x += 2) {
            const int left = paletteIndex(image.pixel(x, y));
            const int right = paletteIndex(image.pixel(x + 1, y));
            out.append(char(left << 4 | right));
        }
    }
    // The transparency mask: zero everywhere, so every pixel is opaque.
    out.append(QByteArray(MaskRowBytes * Size, '\0'));
    return out;
}
