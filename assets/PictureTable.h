#ifndef PICTURETABLE_H
#define PICTURETABLE_H

#include "PictureFormat.h"
#include "PictureId.h"

#include <cstddef>
#include <iterator>

// One built-in picture as the program carries it: its file, embedded under
// :/pictures/, and what that file holds.
struct PictureRow {
    PictureId id;
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
    {PictureId::icoMain,       "icoMain.ico",       PictureFormat::Icon,  32,  32,  4},
    {PictureId::picAuthorIcon, "picAuthorIcon.gif", PictureFormat::Gif,   80,  31,  8},
    {PictureId::picGroupLogo,  "picGroupLogo.gif",  PictureFormat::Gif,   80,  31,  7},
    {PictureId::picIntro,      "picIntro.jpg",      PictureFormat::Jpeg, 300, 200, 24},
    {PictureId::picStep1,      "picStep1.jpg",      PictureFormat::Jpeg, 300, 300, 24},
    {PictureId::picStep2,      "picStep2.jpg",      PictureFormat::Jpeg, 300, 300, 24},
    {PictureId::picStep3,      "picStep3.jpg",      PictureFormat::Jpeg, 300, 300, 24},
    {PictureId::picStep4,      "picStep4.jpg",      PictureFormat::Jpeg, 300, 300, 24},
    {PictureId::picStep5,      "picStep5.jpg",      PictureFormat::Jpeg, 300, 300, 24},
    {PictureId::picStep6,      "picStep6.jpg",      PictureFormat::Jpeg, 300, 300, 24},
    {PictureId::picStep7,      "picStep7.jpg",      PictureFormat::Jpeg, 300, 300, 24},
    {PictureId::picSplash,     "picSplash.jpg",     PictureFormat::Jpeg, 300, 400, 24},
};

inline constexpr int PictureCount = int(std::size(PictureTable));

constexpr bool pictureTableFollowsIdOrder()
{
    for (int i = 0; i < PictureCount; ++i) {
        if (PictureTable[i].id != PictureId(i))
            return false;
    }
    return int(PictureId::picSplash) + 1 == PictureCount;
}
static_assert(pictureTableFollowsIdOrder(), "pictureRow() indexes the table by picture");

constexpr const PictureRow &pictureRow(PictureId id)
{
    return PictureTable[std::size_t(id)];
}

#endif // PICTURETABLE_H
