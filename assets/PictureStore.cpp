#include "PictureStore.h"

#include <QResource>
#include <QString>
#include <QtGlobal>

#include <array>
#include <utility>

namespace {

using enum PictureFormat;

const char *readerFormat(PictureFormat format)
{
    switch (format) {
    case Jpeg: return "jpeg";
    case Gif: return "gif";
    case Icon: return "ico";
    }
    return nullptr;
}

std::array<PictureAsset, PictureCount> loadAssets()
{
    std::array<PictureAsset, PictureCount> assets{};
    for (int i = 0; i < PictureCount; ++i) {
        const PictureRow &row = PictureTable[i];
        const QString path = QStringLiteral(":/pictures/") + QLatin1String(row.file);
        // Embedded uncompressed, so data() points straight into the program's
        // constant data and stays valid for the whole run.
        const QResource resource(path);
        if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression)
            qFatal("The built-in picture %s is missing or compressed", qPrintable(path));
        assets[i] = {row, {resource.data(), std::size_t(resource.size())}};
    }
    return assets;
}

} // namespace

const PictureAsset &PictureStore::picture(PictureId id)
{
    static const std::array<PictureAsset, PictureCount> assets = loadAssets();
    return assets[std::size_t(id)];
}

QImage PictureStore::decode(PictureId id)
{
    const PictureAsset &asset = picture(id);
    QImage image;
    image.loadFromData(asset.bytes.data(), qsizetype(asset.bytes.size()), readerFormat(asset.format));
    // Correct built-in data cannot fail; a missing Qt image format plugin can.
    if (image.isNull() || image.width() != int(asset.width) || image.height() != int(asset.height))
        qFatal("Cannot decode the built-in %s picture %s; is Qt's image format plugin installed?",
               readerFormat(asset.format), asset.file);
    // The readers hand out opaque 32-bit pixels already (the icon's with an
    // alpha channel that is 255 throughout); the window shows them as they are.
    return std::move(image).convertToFormat(QImage::Format_RGB32);
}
