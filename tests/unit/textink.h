#ifndef TEXTINK_H
#define TEXTINK_H

#include <QImage>
#include <QRect>
#include <QString>
#include <QWidget>

#include <cstdlib>

// What a person sees of the text in a widget on black: glyphs are drawn in
// one colour, smoothed at their edges into the black, so every lit pixel is
// that colour at some strength, and the glyphs' solid cores are exactly it.
// A darker shade of the right hue has no pixel at full strength.
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
    const int cr = qRed(colour), cg = qGreen(colour), cb = qBlue(colour);
    const int full = qMax(cr, qMax(cg, cb));
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = line[x];
            // Nearly all of the box is black: pass over it cheaply.
            if ((p & 0xffffff) == 0 || skip.contains(x, y))
                continue;
            const int strength = qMax(qRed(p), qMax(qGreen(p), qBlue(p)));
            const auto near = [&](int channel, int want) { return std::abs(channel - want * strength / full) <= 2; };
            if (near(qRed(p), cr) && near(qGreen(p), cg) && near(qBlue(p), cb)) {
                ++ink.inColour;
                ink.solid += (p & 0xffffff) == (colour & 0xffffff);
            } else
                ++ink.other;
        }
    }
    return ink;
}

#endif // TEXTINK_H
