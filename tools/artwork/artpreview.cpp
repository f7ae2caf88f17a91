#include "Artwork.h"
#include "PictureTable.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>

// artpreview DIR: writes DIR/<id>.png for every picture, as drawn.
int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(dir);

    for (const PictureRow &row : PictureTable) {
        const QString file =
            dir + u'/' + QFileInfo(QLatin1String(row.file)).completeBaseName() + QStringLiteral(".png");
        if (!Artwork::draw(row.id).save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
