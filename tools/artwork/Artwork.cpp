#include "Artwork.h"

#include "PictureTable.h"
#include "SplashArt.h"
#include "StepArt.h"
#include "TitleArt.h"

#include <QPainter>

namespace Artwork {

QSize size(PictureId id)
{
    const PictureRow &row = pictureRow(id);
    return QSize(int(row.width), int(row.height));
}

QImage draw(PictureId id, int scale)
{
    QImage image(size(id) * scale, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // The drawing and its effects work in the painter's coordinates and
    // measure blurs and bevels in device pixels through its transform.
    painter.scale(scale, scale);

    using enum PictureId;
    switch (id) {
    case icoMain: TitleArt::drawMainIcon(painter); break;
    case picAuthorIcon: TitleArt::drawAuthorIcon(painter); break;
    case picGroupLogo: TitleArt::drawGroupLogo(painter); break;
    case picIntro: TitleArt::drawIntro(painter); break;
    case picStep1: StepArt::drawStep1(painter); break;
    case picStep2: StepArt::drawStep2(painter); break;
    case picStep3: StepArt::drawStep3(painter); break;
    case picStep4: StepArt::drawStep4(painter); break;
    case picStep5: StepArt::drawStep5(painter); break;
    case picStep6: StepArt::drawStep6(painter); break;
    case picStep7: StepArt::drawStep7(painter); break;
    case picSplash: SplashArt::draw(painter); break;
    }
    painter.end();
    return image;
}

QImage drawThemeIcon(int size)
{
    QImage image(size, size, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);
    TitleArt::drawMainIconLetters(painter);
    painter.end();
    return image;
}

} // namespace Artwork
