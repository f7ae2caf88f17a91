#ifndef GIFWRITER_H
#define GIFWRITER_H

#include <QByteArray>
#include <QImage>

// Writes a picture as a GIF89a file with giflib: one image covering the whole
// logical screen, a global colour table of a fixed power-of-two size (median
// cut), colour resolution and LZW minimum code size equal to the table's bit
// width, no local colour table and no extension blocks.
class GifWriter final
{
public:
    explicit GifWriter(int paletteSize);

    // Rows stored in the four interlace passes instead of top to bottom.
    void setInterlaced(bool interlaced);
    // Bytes appended after the trailer; decoders stop at the trailer.
    void setTrailingBytes(const QByteArray &bytes);

    // Throws std::runtime_error if giflib fails.
    QByteArray write(const QImage &image) const;

private:
    int m_paletteSize;
    bool m_interlaced = false;
    QByteArray m_trailingBytes;
};

#endif // GIFWRITER_H
