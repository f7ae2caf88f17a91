// Decoding: each built-in picture through PictureStore::decode, next to
// libjpeg-turbo's or giflib's own decoding of the same bytes into the same
// pixel format. The icon has no such library; Qt's icon reader alone stands
// beside it.

#include "Figures.h"
#include "PictureStore.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>

#include <gif_lib.h>
#include <jpeglib.h>

namespace {

constexpr int DecodesPerBatch = 40;
constexpr int Batches = 15;

QImage decodeWithLibjpeg(const QByteArray &bytes)
{
    jpeg_decompress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char *>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&cinfo, TRUE);
    cinfo.out_color_space = JCS_EXT_BGRA;
    jpeg_start_decompress(&cinfo);
    QImage image(int(cinfo.output_width), int(cinfo.output_height), QImage::Format_RGB32);
    while (cinfo.output_scanline < cinfo.output_height) {
        JSAMPROW row = image.scanLine(int(cinfo.output_scanline));
        jpeg_read_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_decompress(&cinfo);
    jpeg_destroy_decompress(&cinfo);
    return image;
}

struct GifSource {
    const QByteArray &bytes;
    qsizetype at = 0;
};

int readGif(GifFileType *gif, GifByteType *into, int wanted)
{
    auto *source = static_cast<GifSource *>(gif->UserData);
    const qsizetype n = std::min(qsizetype(wanted), source->bytes.size() - source->at);
    std::memcpy(into, source->bytes.constData() + source->at, std::size_t(n));
    source->at += n;
    return int(n);
}

// giflib reads the whole file, interlaced rows put in place; the palette
// indexes become opaque 32-bit pixels, as every decoder here hands them out.
QImage decodeWithGiflib(const QByteArray &bytes)
{
    GifSource source{bytes};
    int error = 0;
    GifFileType *gif = DGifOpen(&source, readGif, &error);
    if (!gif || DGifSlurp(gif) != GIF_OK || gif->ImageCount < 1) {
        std::fprintf(stderr, "bench_decode: giflib cannot read a built-in picture\n");
        std::exit(1);
    }
    const SavedImage &frame = gif->SavedImages[0];
    const ColorMapObject *palette = frame.ImageDesc.ColorMap ? frame.ImageDesc.ColorMap : gif->SColorMap;
    const int width = frame.ImageDesc.Width;
    QImage image(width, frame.ImageDesc.Height, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(y));
        const GifByteType *in = frame.RasterBits + std::size_t(y) * std::size_t(width);
        for (int x = 0; x < width; ++x) {
            const GifColorType &c = palette->Colors[in[x]];
            out[x] = qRgb(c.Red, c.Green, c.Blue);
        }
    }
    DGifCloseFile(gif, &error);
    return image;
}

double timeBatch(const std::function<QImage()> &decode)
{
    const auto start = Figures::Clock::now();
    for (int i = 0; i < DecodesPerBatch; ++i) {
        const QImage image = decode();
        if (image.isNull())
            std::exit(1);
    }
    return Figures::millisecondsSince(start) / DecodesPerBatch;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    double oursTotal = 0;
    double floorTotal = 0;
    double qtReadersTotal = 0;
    for (const PictureRow &row : PictureTable) {
        const PictureId id = row.id;
        QFile file(QStringLiteral(":/pictures/") + QLatin1String(row.file));
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "bench_decode: %s is not embedded\n", row.file);
            return 1;
        }
        const QByteArray bytes = file.readAll();
        const std::string_view fileName(row.file);
        const std::string name(fileName.substr(0, fileName.rfind('.')));
        const char *extension = std::strrchr(row.file, '.') + 1;
        // Qt's own reader for the format the extension names, with no conversion after it.
        const auto qtReaderAlone = [&bytes, extension] { return QImage::fromData(bytes, extension); };
        std::function<QImage()> floor = qtReaderAlone;
        const char *floorName = "Qt's icon reader alone";
        if (std::strcmp(extension, "jpg") == 0) {
            floor = [&bytes] { return decodeWithLibjpeg(bytes); };
            floorName = "libjpeg-turbo";
        } else if (std::strcmp(extension, "gif") == 0) {
            floor = [&bytes] { return decodeWithGiflib(bytes); };
            floorName = "giflib";
        }
        const auto ours = [id] { return PictureStore::decode(id); };

        // Both decode the same picture, pixel for pixel.
        if (ours() != floor().convertToFormat(QImage::Format_RGB32)) {
            std::fprintf(stderr, "bench_decode: %s decodes differently in %s\n", name.c_str(), floorName);
            return 1;
        }

        timeBatch(ours);
        timeBatch(floor);
        std::vector<double> ourTimes, floorTimes;
        for (int b = 0; b < Batches; ++b) {
            ourTimes.push_back(timeBatch(ours));
            floorTimes.push_back(timeBatch(floor));
        }
        const double oursMs = Figures::median(ourTimes);
        const double floorMs = Figures::median(floorTimes);
        oursTotal += oursMs;
        floorTotal += floorMs;
        qtReadersTotal +=
            Figures::median({timeBatch(qtReaderAlone), timeBatch(qtReaderAlone), timeBatch(qtReaderAlone)});
        const std::string measure =
            "Decode " + name + " (" + std::to_string(row.width) + "x" + std::to_string(row.height) + ")";
        // Start-up decodes them all together behind the splash, so single
        // pictures decide nothing on their own; the whole set keeps its goal.
        Figures::plainRow(measure, Figures::ms(oursMs), floorName, Figures::ms(floorMs), oursMs / floorMs);
    }
    Figures::ratioRow("Decode all twelve pictures", Figures::ms(oursTotal), "the decoders above",
                      Figures::ms(floorTotal), oursTotal / floorTotal, 1.3);
    // Where the time goes: the toolkit's readers alone, before any conversion.
    Figures::plainRow("Decode all twelve through Qt's readers alone, no conversion after", Figures::ms(qtReadersTotal),
                      "the decoders above", Figures::ms(floorTotal), qtReadersTotal / floorTotal);
    return 0;
}
