#include "PictureStore.h"

#include <QFileInfo>
#include <QString>
#include <QtGlobal>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr qreal Density2x = 2;

QImage read(const char *file, QSize size)
{
    // The reader is chosen by the file's extension.
    QImage image(QStringLiteral(":/pictures/") + QLatin1String(file));
    // Correct built-in data cannot fail; a missing Qt image format plugin can.
    if (image.size() != size) {
        // The format as Qt's readers name it: jpeg, gif, ico.
        const QString suffix = QFileInfo(QLatin1String(file)).suffix();
        qFatal("Cannot decode the built-in %s picture %s; is Qt's image format plugin installed?",
               suffix == u"jpg" ? "jpeg" : qPrintable(suffix), file);
    }
    // The readers hand out opaque 32-bit pixels already (the icon's with an
    // alpha channel that is 255 throughout); the window shows them as they are.
    return std::move(image).convertToFormat(QImage::Format_RGB32);
}

} // namespace

QImage PictureStore::decode(PictureId id, qreal devicePixelRatio)
{
    const PictureRow &row = pictureRow(id);
    const QSize size(row.width, row.height);
    if (devicePixelRatio <= 1 || !row.file2x)
        return read(row.file, size);

    QImage image = read(row.file2x, size * Density2x);
    const qreal ratio = std::min(devicePixelRatio, Density2x);
    if (ratio < Density2x) {
        const QSize pixels(int(std::lround(size.width() * ratio)), int(std::lround(size.height() * ratio)));
        image = image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    image.setDevicePixelRatio(ratio);
    return image;
}
