#include "JpegWriter.h"

#include <QtEndian>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include <jpeglib.h>

namespace {

constexpr int DQT = 0xdb;
constexpr int DHT = 0xc4;
constexpr int SOS = 0xda;
constexpr int MaxSegmentData = 65533;

QByteArray be16(int value)
{
    char bytes[2];
    qToBigEndian<quint16>(quint16(value), bytes);
    return QByteArray(bytes, 2);
}

QByteArray be32(int value)
{
    char bytes[4];
    qToBigEndian<quint32>(quint32(value), bytes);
    return QByteArray(bytes, 4);
}

struct Marker {
    int code;
    QByteArray data;
};

// Compresses with libjpeg; `layout` true gives the program's layout (1x1
// sampling, JFIF 1.02 density, restart interval, the extra markers),
// false plain libjpeg defaults.
QByteArray compress(const QImage &image, int quality, bool layout, int dotsPerInch, const QList<Marker> &markers)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);

    cinfo.image_width = JDIMENSION(rgb.width());
    cinfo.image_height = JDIMENSION(rgb.height());
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    cinfo.dct_method = JDCT_ISLOW;
    if (layout) {
        for (int i = 0; i < cinfo.num_components; ++i) {
            cinfo.comp_info[i].h_samp_factor = 1;
            cinfo.comp_info[i].v_samp_factor = 1;
        }
        cinfo.restart_interval = JpegWriter::RestartInterval;
        cinfo.JFIF_major_version = 1;
        cinfo.JFIF_minor_version = 2;
        cinfo.density_unit = 1;
        cinfo.X_density = UINT16(dotsPerInch);
        cinfo.Y_density = UINT16(dotsPerInch);
        // libjpeg would put its own Adobe marker straight after APP0; ours
        // follows the resource and comment segments instead.
        cinfo.write_Adobe_marker = FALSE;
    }

    jpeg_start_compress(&cinfo, TRUE);
    for (const Marker &marker : markers)
        jpeg_write_marker(&cinfo, marker.code, reinterpret_cast<const JOCTET *>(marker.data.constData()),
                          unsigned(marker.data.size()));
    for (int y = 0; y < rgb.height(); ++y) {
        JSAMPROW row = const_cast<JSAMPROW>(rgb.constScanLine(y));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);

    QByteArray file(reinterpret_cast<const char *>(buffer), qsizetype(size));
    std::free(buffer);
    return file;
}

// libjpeg writes one DQT segment per quantisation table and one DHT segment
// per Huffman table; joins neighbouring segments of either kind into one. The
// entropy-coded data behind SOS is copied untouched.
QByteArray joinTableSegments(const QByteArray &jpeg)
{
    const auto byteAt = [&jpeg](qsizetype at) { return int(uchar(jpeg.at(at))); };
    QByteArray out = jpeg.left(2); // SOI
    qsizetype at = 2;
    int previous = 0;
    qsizetype previousStart = 0;
    while (at + 4 <= jpeg.size()) {
        if (byteAt(at) != 0xff)
            throw std::runtime_error("libjpeg wrote an unexpected segment layout");
        const int code = byteAt(at + 1);
        if (code == SOS) {
            out.append(jpeg.mid(at));
            return out;
        }
        const int length = byteAt(at + 2) << 8 | byteAt(at + 3);
        if ((code == DQT || code == DHT) && code == previous) {
            out.append(jpeg.mid(at + 4, length - 2));
            const int joined = int(out.size() - previousStart - 2);
            out.replace(previousStart + 2, 2, be16(joined));
        } else {
            previousStart = out.size();
            out.append(jpeg.mid(at, length + 2));
        }
        previous = code;
        at += length + 2;
    }
    throw std::runtime_error("libjpeg wrote no scan");
}

// An image-resource segment as image editors write it, holding one resource:
// 0x040C, the thumbnail as a JPEG with a 28-byte header.
QByteArray resourceSegment(const QImage &thumb, const QByteArray &thumbJpeg)
{
    const int rowBytes = (thumb.width() * 24 + 31) / 32 * 4;
    QByteArray resource;
    resource += be32(1); // format: JPEG, RGB order
    resource += be32(thumb.width());
    resource += be32(thumb.height());
    resource += be32(rowBytes);
    resource += be32(rowBytes * thumb.height());
    resource += be32(int(thumbJpeg.size()));
    resource += be16(24); // bits per pixel
    resource += be16(1); // planes
    resource += thumbJpeg;

    QByteArray segment("Photoshop 3.0", 14); // with its terminating zero
    segment += "8BIM";
    segment += be16(0x040c);
    segment += QByteArray(2, '\0'); // empty name, padded to an even length
    segment += be32(int(resource.size()));
    segment += resource;
    if (resource.size() % 2)
        segment += '\0';
    return segment;
}

QByteArray adobeSegment()
{
    QByteArray segment("Adobe");
    segment += be16(100); // version
    segment += be16(0); // flags 0
    segment += be16(0); // flags 1
    segment += char(1); // colour transform: YCbCr
    return segment;
}

} // namespace

JpegWriter::JpegWriter(int dotsPerInch)
    : m_dotsPerInch(dotsPerInch)
{
}

void JpegWriter::setComment(const QByteArray &comment)
{
    m_comment = comment;
}

QImage JpegWriter::thumbnail(const QImage &image)
{
    const QImage source = image.convertToFormat(QImage::Format_RGB32);
    const int longest = std::max(source.width(), source.height());
    const int factor = std::max(1, (longest + ThumbnailLimit - 1) / ThumbnailLimit);
    const int width = (source.width() + factor - 1) / factor;
    const int height = (source.height() + factor - 1) / factor;
    QImage thumb(width, height, QImage::Format_RGB32);
    for (int ty = 0; ty < height; ++ty) {
        for (int tx = 0; tx < width; ++tx) {
            int red = 0, green = 0, blue = 0, count = 0;
            for (int y = ty * factor; y < std::min(source.height(), (ty + 1) * factor); ++y) {
                for (int x = tx * factor; x < std::min(source.width(), (tx + 1) * factor); ++x) {
                    const QRgb pixel = source.pixel(x, y);
                    red += qRed(pixel);
                    green += qGreen(pixel);
                    blue += qBlue(pixel);
                    ++count;
                }
            }
            const auto mean = [count](int sum) { return (sum * 2 + count) / (count * 2); };
            thumb.setPixel(tx, ty, qRgb(mean(red), mean(green), mean(blue)));
        }
    }
    return thumb;
}

QByteArray JpegWriter::write(const QImage &image) const
{
    const QImage thumb = thumbnail(image);
    const QByteArray thumbJpeg = compress(thumb, ThumbnailQuality, false, 0, {});
    const QList<Marker> markers = {
        {JPEG_APP0 + 13, resourceSegment(thumb, thumbJpeg)},
        {JPEG_COM,              m_comment                           },
        {JPEG_APP0 + 14,              adobeSegment()},
    };
    for (const Marker &marker : markers) {
        if (marker.data.size() > MaxSegmentData)
            throw std::runtime_error("a JPEG segment is too long; lower the thumbnail quality");
    }
    return joinTableSegments(compress(image, Quality, true, m_dotsPerInch, markers));
}
