#include "PictureStore.h"

#include <QResource>
#include <QString>
#include <QtGlobal>

#include <algorithm>
#include <atomic>
#include <utility>

namespace {

struct SlotRow {
    PictureSlot slot;
    PictureFormat format;
    unsigned width;
    unsigned height;
    unsigned bitsPerPixel;
    const char *file;
};

using enum PictureSlot;
using enum PictureFormat;

// The picture table; the files are embedded under :/pictures/.
constexpr SlotRow Table[] = {
    {icoMain,       Icon,  32,  32,  4, "icoMain.ico"},
    {picAuthorIcon, Gif,   80,  31,  8, "picAuthorIcon.gif"},
    {picGroupLogo,  Gif,   80,  31,  7, "picGroupLogo.gif"},
    {picIntro,      Jpeg, 300, 200, 24, "picIntro.jpg"},
    {picStep1,      Jpeg, 300, 300, 24, "picStep1.jpg"},
    {picStep2,      Jpeg, 300, 300, 24, "picStep2.jpg"},
    {picStep3,      Jpeg, 300, 300, 24, "picStep3.jpg"},
    {picStep4,      Jpeg, 300, 300, 24, "picStep4.jpg"},
    {picStep5,      Jpeg, 300, 300, 24, "picStep5.jpg"},
    {picStep6,      Jpeg, 300, 300, 24, "picStep6.jpg"},
    {picStep7,      Jpeg, 300, 300, 24, "picStep7.jpg"},
    {picSplash,     Jpeg, 300, 400, 24, "picSplash.jpg"},
};
static_assert(std::size(Table) == PictureSlotCount);

constexpr bool tableFollowsSlotOrder()
{
    for (int i = 0; i < PictureSlotCount; ++i) {
        if (Table[i].slot != PictureSlot(i))
            return false;
    }
    return true;
}
static_assert(tableFollowsSlotOrder(), "picture() indexes the table by slot");

const char *readerFormat(PictureFormat format)
{
    switch (format) {
    case Jpeg: return "jpeg";
    case Gif: return "gif";
    case Icon: return "ico";
    }
    return nullptr;
}

std::array<PictureAsset, PictureSlotCount> loadAssets()
{
    std::array<PictureAsset, PictureSlotCount> assets{};
    for (int i = 0; i < PictureSlotCount; ++i) {
        const SlotRow &row = Table[i];
        const QString path = QStringLiteral(":/pictures/") + QLatin1String(row.file);
        // Embedded uncompressed, so data() points straight into the program's
        // constant data and stays valid for the whole run.
        const QResource resource(path);
        if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression)
            qFatal("The built-in picture %s is missing or compressed", qPrintable(path));
        assets[i] = {row.slot, row.format, row.width, row.height, row.bitsPerPixel,
                     {resource.data(), std::size_t(resource.size())}};
    }
    return assets;
}

// Pictures may be decoded on several threads at once.
std::atomic<int> decodes = 0;

} // namespace

const PictureAsset &PictureStore::picture(PictureSlot slot)
{
    static const std::array<PictureAsset, PictureSlotCount> assets = loadAssets();
    return assets[std::size_t(slot)];
}

QImage PictureStore::decode(PictureSlot slot)
{
    ++decodes;
    const PictureAsset &asset = picture(slot);
    QImage image;
    image.loadFromData(asset.bytes.data(), qsizetype(asset.bytes.size()), readerFormat(asset.format));
    // Correct built-in data cannot fail; a missing Qt image format plugin can.
    if (image.isNull() || image.width() != int(asset.width) || image.height() != int(asset.height))
        qFatal("Cannot decode the built-in %s picture %s; is Qt's image format plugin installed?",
               readerFormat(asset.format), Table[std::size_t(slot)].file);
    // The readers hand out opaque 32-bit pixels already (the icon's with an
    // alpha channel that is 255 throughout); the window shows them as they are.
    return std::move(image).convertToFormat(QImage::Format_RGB32);
}

const std::array<PictureSlot, PictureSlotCount> &PictureStore::allSlots()
{
    static constexpr std::array<PictureSlot, PictureSlotCount> order = [] {
        std::array<PictureSlot, PictureSlotCount> slotOrder{};
        std::transform(std::begin(Table), std::end(Table), slotOrder.begin(),
                       [](const SlotRow &row) { return row.slot; });
        return slotOrder;
    }();
    return order;
}

int PictureStore::decodeCount()
{
    return decodes.load();
}
