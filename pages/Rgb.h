#ifndef RGB_H
#define RGB_H

#include <cstdint>

// A 24-bit colour.
struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend constexpr bool operator==(Rgb, Rgb) = default;
};

// The 16-colour CGA palette that the lesson's text colours are chosen from.
constexpr Rgb cgaColour(int index)
{
    constexpr Rgb palette[16] = {
        {0, 0, 0},       {0, 0, 128},   {0, 128, 0},   {0, 128, 128},
        {128, 0, 0},     {128, 0, 128}, {128, 128, 0}, {192, 192, 192},
        {128, 128, 128}, {0, 0, 255},   {0, 255, 0},   {0, 255, 255},
        {255, 0, 0},     {255, 0, 255}, {255, 255, 0}, {255, 255, 255},
    };
    return palette[index & 15];
}

inline constexpr Rgb LightCyan = cgaColour(11);
inline constexpr Rgb Yellow = cgaColour(14);

#endif // RGB_H
