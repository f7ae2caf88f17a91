#include "PictureStore.h"

#include <QFileInfo>
#include <QString>
#include <QtGlobal>

#include <utility>

QImage PictureStore::decode(PictureId id)
{
    const PictureRow &row = pictureRow(id);
    // The reader is chosen by the file's extension.
    QImage image(QStringLiteral(":/pictures/") + QLatin1String(row.file));
    // Correct built-in data cannot fail; a missing Qt image format plugin can.
    if (image.width() != row.width || image.height() != row.height) {
        // The format as Qt's readers name it: jpeg, gif, ico.
        const QString suffix = QFileInfo(QLatin1String(row.file)).suffix();
        qFatal("Cannot decode the built-in %s picture %s; is Qt's image format plugin installed?",
               suffix == u"jpg" ? "jpeg" : qPrintable(suffix), row.file);
    }
    // The readers hand out opaque 32-bit pixels already (the icon's with an
    // alpha channel that is 255 throughout); the window shows them as they are.
    return std::move(image).convertToFormat(QImage::Format_RGB32);
}
