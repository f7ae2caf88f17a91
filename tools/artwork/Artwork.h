#ifndef ARTWORK_H
#define ARTWORK_H

#include "PictureSlot.h"

#include <QImage>
#include <QSize>

namespace Artwork {

// The pixel size every picture of the slot has.
QSize size(PictureSlot slot);

// Draws the picture of a slot at its exact pixel size, opaque, in
// QImage::Format_RGB32. The encoders reduce it to the file's own format.
QImage draw(PictureSlot slot);

} // namespace Artwork

#endif // ARTWORK_H
