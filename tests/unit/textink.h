#ifndef TEXTINK_H
#define TEXTINK_H

#include <QImage>
#include <QRect>
#include <QString>
#include <QWidget>

#include <cstdlib>

// What a person sees of the text in a widget: glyphs are drawn in one colour,
// smoothed at their edges into the background, so every other pixel lies
// between the background and that colour, and the glyphs' solid cores are
// exactly it. A darker shade of the right hue has no pixel at full strength.
// The background is what shows in the top left corner, where no text reaches:
// black, or on Windows the colour of the user's scheme.
struct TextInk {
    int inColour = 0; // lit pixels that are the colour at some strength
    int solid = 0;    // of those, pixels exactly the colour
    int other = 0;    // lit pixels of any other hue

    // A page's text in the colour: hundreds of lit pixels, dozens of them at
    // full strength (a darker shade of the same hue has none), and nothing
    // in another hue.
    bool showsText() const { return inColour > 500 && solid > 20 && other == 0; }

    QString counts() const
    {
        return QStringLiteral("%1 pixels in the colour, %2 of them solid, %3 in another hue")
            .arg(inColour).arg(solid).arg(other);
    }
};

// `skip` leaves out an area, such as a caret, that is not text.
inline TextInk textInk(QWidget *widget, QRgb colour, const QRect &skip = {})
{
    const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    TextInk ink;
    const QRgb background = image.isNull() ? 0 : image.pixel(0, 0) & 0xffffff;
    const int colours[] = {qRed(colour), qGreen(colour), qBlue(colour)};
    const int behind[] = {qRed(background), qGreen(background), qBlue(background)};
    // Measured along the channel in which the two differ most.
    int along = 0;
    for (int c = 1; c < 3; ++c) {
        if (std::abs(colours[c] - behind[c]) > std::abs(colours[along] - behind[along]))
            along = c;
    }
    const int span = colours[along] - behind[along];
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = line[x];
            // Nearly all of the box is background: pass over it cheaply.
            if ((p & 0xffffff) == background || skip.contains(x, y))
                continue;
            const int pixel[] = {qRed(p), qGreen(p), qBlue(p)};
            const int strength = span == 0 ? 0 : pixel[along] - behind[along];
            bool near = strength * span > 0 && std::abs(strength) <= std::abs(span) + 2;
            for (int c = 0; c < 3 && near; ++c)
                near = std::abs(pixel[c] - (behind[c] + (colours[c] - behind[c]) * strength / span)) <= 2;
            if (near) {
                ++ink.inColour;
                ink.solid += (p & 0xffffff) == (colour & 0xffffff);
            } else
                ++ink.other;
        }
    }
    return ink;
}

#endif // TEXTINK_H
