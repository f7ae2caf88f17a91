#ifndef TEXTINK_H
#define TEXTINK_H

#include <QImage>
#include <QRect>
#include <QString>
#include <QWidget>

#include <cstdlib>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

// What a person should see behind the text box's text: black, or on Windows
// the window-frame colour of the user's scheme.
inline QRgb boxBackground()
{
#ifdef Q_OS_WIN
    const COLORREF c = GetSysColor(COLOR_WINDOWFRAME);
    return qRgb(GetRValue(c), GetGValue(c), GetBValue(c));
#else
    return qRgb(0, 0, 0);
#endif
}

// What a person sees of the text in a widget: glyphs are drawn in one colour,
// smoothed at their edges into the background, so every other pixel lies
// between the background and that colour, and the glyphs' solid cores are
// exactly it. A darker shade of the right hue has no pixel at full strength.
// The background is what shows in the top left corner, where no text reaches.
struct TextInk {
    QRgb background = 0; // the colour of every pixel that is not ink
    int inColour = 0; // lit pixels that are the colour at some strength
    int solid = 0; // of those, pixels exactly the colour
    int other = 0; // lit pixels of any other hue

    // A page's text in the colour on the box's own background: hundreds of
    // lit pixels, dozens of them at full strength (a darker shade of the same
    // hue has none), and nothing in another hue.
    bool showsText() const
    {
        return background == (boxBackground() & 0xffffff) && inColour > 500 && solid > 20 && other == 0;
    }
    // The box's background and nothing on it.
    bool showsNoText() const { return background == (boxBackground() & 0xffffff) && inColour == 0 && other == 0; }

    QString counts() const
    {
        return QStringLiteral("on #%1 (#%2 wanted): %3 pixels in the colour, %4 of them solid, %5 in another hue")
            .arg(background, 6, 16, QLatin1Char('0'))
            .arg(boxBackground() & 0xffffff, 6, 16, QLatin1Char('0'))
            .arg(inColour)
            .arg(solid)
            .arg(other);
    }
};

// `skip` leaves out an area, such as a caret, that is not text.
inline TextInk textInk(QWidget *widget, QRgb colour, const QRect &skip = {})
{
    const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
    TextInk ink;
    const QRgb background = image.isNull() ? 0 : image.pixel(0, 0) & 0xffffff;
    ink.background = background;
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
            bool blended = strength * span > 0 && std::abs(strength) <= std::abs(span) + 2;
            for (int c = 0; c < 3 && blended; ++c)
                blended = std::abs(pixel[c] - (behind[c] + (colours[c] - behind[c]) * strength / span)) <= 2;
            if (blended) {
                ++ink.inColour;
                ink.solid += (p & 0xffffff) == (colour & 0xffffff);
            } else
                ++ink.other;
        }
    }
    return ink;
}

#endif // TEXTINK_H
