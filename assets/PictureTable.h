#ifndef PICTURETABLE_H
#define PICTURETABLE_H

#include "PictureFormat.h"
#include "PictureSlot.h"

#include <cstddef>
#include <iterator>

// One built-in picture as the program carries it: its file, embedded under
// :/pictures/, and what that file holds.
struct PictureRow {
    PictureSlot slot;
    const char *file;
    PictureFormat format;
    unsigned width;
    unsigned height;
    // 24 for the JPEG pictures; for the indexed pictures the width of a
    // palette index.
    unsigned bitsPerPixel;
};

// The picture table: the store, the generator and the tests all read it.
// Plain C++, so that code without the toolkit may read it too.
inline constexpr PictureRow PictureTable[] = {
    {PictureSlot::icoMain,       "icoMain.ico",       PictureFormat::Icon,  32,  32,  4},
    {PictureSlot::picAuthorIcon, "picAuthorIcon.gif", PictureFormat::Gif,   80,  31,  8},
    {PictureSlot::picGroupLogo,  "picGroupLogo.gif",  PictureFormat::Gif,   80,  31,  7},
    {PictureSlot::picIntro,      "picIntro.jpg",      PictureFormat::Jpeg, 300, 200, 24},
    {PictureSlot::picStep1,      "picStep1.jpg",      PictureFormat::Jpeg, 300, 300, 24},
    {PictureSlot::picStep2,      "picStep2.jpg",      PictureFormat::Jpeg, 300, 300, 24},
    {PictureSlot::picStep3,      "picStep3.jpg",      PictureFormat::Jpeg, 300, 300, 24},
    {PictureSlot::picStep4,      "picStep4.jpg",      PictureFormat::Jpeg, 300, 300, 24},
    {PictureSlot::picStep5,      "picStep5.jpg",      PictureFormat::Jpeg, 300, 300, 24},
    {PictureSlot::picStep6,      "picStep6.jpg",      PictureFormat::Jpeg, 300, 300, 24},
    {PictureSlot::picStep7,      "picStep7.jpg",      PictureFormat::Jpeg, 300, 300, 24},
    {PictureSlot::picSplash,     "picSplash.jpg",     PictureFormat::Jpeg, 300, 400, 24},
};

inline constexpr int PictureSlotCount = int(std::size(PictureTable));

constexpr bool pictureTableFollowsSlotOrder()
{
    for (int i = 0; i < PictureSlotCount; ++i) {
        if (PictureTable[i].slot != PictureSlot(i))
            return false;
    }
    return int(PictureSlot::picSplash) + 1 == PictureSlotCount;
}
static_assert(pictureTableFollowsSlotOrder(), "pictureRow() indexes the table by slot");

constexpr const PictureRow &pictureRow(PictureSlot slot)
{
    return PictureTable[std::size_t(slot)];
}

#endif // PICTURETABLE_H
