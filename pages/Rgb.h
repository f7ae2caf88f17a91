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

// The lesson's two text colours, CGA palette indexes 11 and 14.
inline constexpr Rgb LightCyan{0, 255, 255};
inline constexpr Rgb Yellow{255, 255, 0};

#endif // RGB_H
