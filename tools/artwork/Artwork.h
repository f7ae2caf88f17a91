#ifndef ARTWORK_H
#define ARTWORK_H

#include "PictureId.h"

#include <QImage>
#include <QSize>

namespace Artwork {

// The pixel size every picture of the id has.
QSize size(PictureId id);

// Draws the picture of a id at its exact pixel size, opaque, in
// QImage::Format_RGB32. The encoders reduce it to the file's own format.
QImage draw(PictureId id);

} // namespace Artwork

#endif // ARTWORK_H
