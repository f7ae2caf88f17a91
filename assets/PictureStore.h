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

    // The picture's asset; valid and unchanged for the whole run.
    static const PictureAsset &picture(PictureId id);

    // The picture as width x height pixels, top row first, each 8-bit
    // red, green and blue with an alpha of 255 (QImage::Format_RGB32, the
    // form a window draws without converting). Any thread may decode: Qt's
    // image readers are reentrant.
    static QImage decode(PictureId id);
};

#endif // PICTURESTORE_H
