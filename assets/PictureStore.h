#ifndef PICTURESTORE_H
#define PICTURESTORE_H

#include "PictureTable.h"

#include <QImage>

// The pictures built into the program, decoded from their embedded files with
// Qt's own image readers.
namespace PictureStore {

// The picture as width x height pixels, top row first, each 8-bit red, green
// and blue with an alpha of 255 (QImage::Format_RGB32, the form a window
// draws without converting).
QImage decode(PictureId id);

} // namespace PictureStore

#endif // PICTURESTORE_H
