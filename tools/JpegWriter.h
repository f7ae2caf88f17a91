#ifndef JPEGWRITER_H
#define JPEGWRITER_H

#include <QByteArray>
#include <QImage>

// Writes a picture as a baseline JFIF file with libjpeg-turbo, laid out
// segment by segment as the program's pictures are:
//   SOI, APP0 JFIF 1.02 (density in dots per inch, no thumbnail),
//   APP13 "Photoshop 3.0" resource 0x040C holding a reduced-size JPEG thumbnail,
//   COM, APP14 Adobe (transform 1 = YCbCr),
//   one DQT with both tables, SOF0 (8-bit, components 1, 2, 3 all sampled 1x1,
//   tables 0, 1, 1), one DHT with all four tables, DRI 38, one SOS, EOI.
class JpegWriter final
{
public:
    static constexpr int Quality = 90;
    static constexpr int ThumbnailQuality = 75;
    static constexpr int RestartInterval = 38;
    // Longest side of the thumbnail at most this, as image editors keep it.
    static constexpr int ThumbnailLimit = 160;

    explicit JpegWriter(int dotsPerInch);

    void setComment(const QByteArray &comment);

    // libjpeg's default error handler reports and ends the program: this is
    // only ever run as a build tool.
    QByteArray write(const QImage &image) const;

    // The picture reduced by a whole factor so that it fits the thumbnail
    // limit, each pixel the rounded mean of its block: plain integer
    // arithmetic, the same on every machine.
    static QImage thumbnail(const QImage &image);

private:
    int m_dotsPerInch;
    QByteArray m_comment;
};

#endif // JPEGWRITER_H
