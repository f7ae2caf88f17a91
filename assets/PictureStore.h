#ifndef PICTURESTORE_H
#define PICTURESTORE_H

#include "PictureAsset.h"

#include <QImage>

// The pictures built into the program, embedded as resources, and their
// decoding with Qt's own image readers.
class PictureStore final
{
public:
    PictureStore() = delete;

    // The asset of a slot; valid and unchanged for the whole run.
    static const PictureAsset &picture(PictureSlot slot);

    // The slot's picture as width x height pixels, top row first, each 8-bit
    // red, green and blue with an alpha of 255 (QImage::Format_RGB32, the
    // form a window draws without converting). Any thread may decode: Qt's
    // image readers are reentrant.
    static QImage decode(PictureSlot slot);
};

#endif // PICTURESTORE_H
