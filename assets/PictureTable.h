#ifndef PICTURETABLE_H
#define PICTURETABLE_H

#include "PictureId.h"

#include <cstddef>
#include <iterator>

// One built-in picture: its file, embedded under :/pictures/, its size in
// pixels, the file of the same drawing with twice the pixels each way for
// screens of twice the density (none for the icon, a 16-colour picture kept
// as it is), and one sentence saying what it shows, which a screen reader
// reads.
struct PictureRow {
    PictureId id;
    const char *file;
    int width;
    int height;
    const char *file2x;
    const char *description;
};

// The picture table. Plain C++, so that code without the toolkit may read it
// too; assets/CMakeLists.txt reads the file names from its rows.
// clang-format off
inline constexpr PictureRow PictureTable[] = {
    {PictureId::icoMain,       "icoMain.ico",       32,  32,  nullptr,
     "The letters ZG in black on white."},
    {PictureId::picAuthorIcon, "picAuthorIcon.gif", 80,  31,  "picAuthorIcon@2x.gif",
     "The name Morvane in red script on a blue bevelled plate."},
    {PictureId::picGroupLogo,  "picGroupLogo.gif",  80,  31,  "picGroupLogo@2x.gif",
     "The word Zarnok in pale blue above GRAPHICS in gold, on a dark blue plate."},
    {PictureId::picIntro,      "picIntro.jpg",      300, 200, "picIntro@2x.jpg",
     "The Zarnok Graphics logo in pale blue and gold, in a silver frame of scrolls on black."},
    {PictureId::picStep1,      "picStep1.jpg",      300, 300, "picStep1@2x.jpg",
     "A yellow oval selection, outlined by marching ants, on an empty layer's checkerboard."},
    {PictureId::picStep2,      "picStep2.jpg",      300, 300, "picStep2@2x.jpg",
     "The yellow oval, its selection contracted 14 pixels inside its edge."},
    {PictureId::picStep3,      "picStep3.jpg",      300, 300, "picStep3@2x.jpg",
     "A flat yellow ring on the checkerboard: the contracted selection cut out of the oval."},
    {PictureId::picStep4,      "picStep4.jpg",      300, 300, "picStep4@2x.jpg",
     "The ring faded to half transparent, a yellow line drawn along the length of the oval."},
    {PictureId::picStep5,      "picStep5.jpg",      300, 300, "picStep5@2x.jpg",
     "A bevelled gold ring and bar on black, an arrow at the airbrushed shadow where they meet."},
    {PictureId::picStep6,      "picStep6.jpg",      300, 300, "picStep6@2x.jpg",
     "Two bevelled gold rings interlocked on black, the top one erased where they cross."},
    {PictureId::picStep7,      "picStep7.jpg",      300, 300, "picStep7@2x.jpg",
     "Four chains on black, from plain gold links to shadowed links, links with diamonds, and steel."},
    {PictureId::picSplash,     "picSplash.jpg",     300, 400, "picSplash@2x.jpg",
     "The logo, a red medallion with a 3, CHAIN LINKS in red, a banner saying Tutorial No. 3, framed by gold chains."},
};
// clang-format on

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
