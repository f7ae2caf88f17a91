#include "Artwork.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

// artpreview DIR: writes DIR/<slot>.png for every picture, as drawn.
int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString dir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(dir);

    static const char *names[] = {"icoMain", "picAuthorIcon", "picGroupLogo", "picIntro",
                                  "picStep1", "picStep2", "picStep3", "picStep4",
                                  "picStep5", "picStep6", "picStep7", "picSplash"};
    for (int i = 0; i < PictureSlotCount; ++i) {
        const QString file = dir + u'/' + QLatin1String(names[i]) + QStringLiteral(".png");
        if (!Artwork::draw(PictureSlot(i)).save(file)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
