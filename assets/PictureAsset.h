#ifndef PICTUREASSET_H
#define PICTUREASSET_H

#include "PictureTable.h"

#include <span>

// One built-in picture: its row of the picture table and its encoded file,
// exactly as stored. The bytes lie in the program's constant data for the
// whole run.
struct PictureAsset : PictureRow {
    std::span<const unsigned char> bytes;
};

#endif // PICTUREASSET_H
