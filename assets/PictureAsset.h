#ifndef PICTUREASSET_H
#define PICTUREASSET_H

#include "PictureFormat.h"
#include "PictureSlot.h"

#include <span>

// One built-in picture: what it is and its encoded file, exactly as stored.
// The bytes lie in the program's constant data for the whole run.
struct PictureAsset {
    PictureSlot slot;
    PictureFormat format;
    unsigned width;
    unsigned height;
    // 24 for the JPEG pictures; for the indexed pictures the width of a
    // palette index.
    unsigned bitsPerPixel;
    std::span<const unsigned char> bytes;
};

#endif // PICTUREASSET_H
