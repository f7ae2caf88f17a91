// Writes the program's icon, icoMain, as PNG files for the hicolor icon theme:
//
//   iconthemegen OUTDIR NAME SIZE...
//
// writes OUTDIR/SIZExSIZE/apps/NAME.png for each size. Each size is a whole
// multiple of the icon's own 32 pixels, enlarged by repeating pixels so that
// the 16-colour picture stays crisp. A build-time tool.

#include "PictureStore.h"

#include <QDir>
#include <QImage>
#include <QString>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: iconthemegen OUTDIR NAME SIZE...\n");
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    const QImage icon = PictureStore::decode(PictureId::icoMain).convertToFormat(QImage::Format_RGB32);

    for (int i = 3; i < argc; ++i) {
        bool ok = false;
        const int size = QByteArray(argv[i]).toInt(&ok);
        if (!ok || size < icon.width() || size % icon.width() != 0 || icon.width() != icon.height()) {
            std::fprintf(stderr, "iconthemegen: %s is not a whole multiple of the icon's size\n", argv[i]);
            return 1;
        }
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(outDir).arg(size);
        const QString file = QStringLiteral("%1/%2.png").arg(dir, name);
        const QImage scaled = icon.scaled(size, size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
        if (!QDir().mkpath(dir) || !scaled.save(file, "PNG")) {
            std::fprintf(stderr, "iconthemegen: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
