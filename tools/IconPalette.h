#ifndef ICONPALETTE_H
#define ICONPALETTE_H

#include <QRgb>

#include <array>
#include <cstddef>

// The program's icon file holds one 16-colour image in the classic icon
// palette and uses only four of its colours. The writer stores them; the
// drawing keeps to them, so that what is drawn is what the file holds.
namespace IconPalette {

// The 16 standard VGA colours in the order the icon stores them.
inline constexpr std::array<QRgb, 16> Colours = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(128, 128, 128),
    qRgb(192, 192, 192), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
};

// The indexes the icon's pixels use: black, grey, silver and white.
inline constexpr std::array<int, 4> UsedIndexes = {0, 7, 8, 15};

// Those four colours, in the same order.
constexpr std::array<QRgb, 4> usedColours()
{
    std::array<QRgb, 4> colours{};
    for (std::size_t i = 0; i < colours.size(); ++i)
        colours[i] = Colours[std::size_t(UsedIndexes[i])];
    return colours;
}

} // namespace IconPalette

#endif // ICONPALETTE_H
