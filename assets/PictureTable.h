#ifndef PICTURETABLE_H
#define PICTURETABLE_H

#include "PictureId.h"

#include <cstddef>
#include <iterator>

// One built-in picture: its file, embedded under :/pictures/, and its size in
// pixels.
struct PictureRow {
    PictureId id;
    const char *file;
    int width;
    int height;
};

// The picture table. Plain C++, so that code without the toolkit may read it
// too; assets/CMakeLists.txt reads the file names from its rows.
inline constexpr PictureRow PictureTable[] = {
    {PictureId::icoMain,       "icoMain.ico",       32,  32 },
    {PictureId::picAuthorIcon, "picAuthorIcon.gif", 80,  31 },
    {PictureId::picGroupLogo,  "picGroupLogo.gif",  80,  31 },
    {PictureId::picIntro,      "picIntro.jpg",      300, 200},
    {PictureId::picStep1,      "picStep1.jpg",      300, 300},
    {PictureId::picStep2,      "picStep2.jpg",      300, 300},
    {PictureId::picStep3,      "picStep3.jpg",      300, 300},
    {PictureId::picStep4,      "picStep4.jpg",      300, 300},
    {PictureId::picStep5,      "picStep5.jpg",      300, 300},
    {PictureId::picStep6,      "picStep6.jpg",      300, 300},
    {PictureId::picStep7,      "picStep7.jpg",      300, 300},
    {PictureId::picSplash,     "picSplash.jpg",     300, 400},
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
