#ifndef ARTWORK_H
#define ARTWORK_H

#include "PictureId.h"

#include <QImage>
#include <QSize>

namespace Artwork {

// The pixel size every picture of the id has.
QSize size(PictureId id);

// Draws the picture of a id at its exact pixel size times scale, opaque, in
// QImage::Format_RGB32. The encoders reduce it to the file's own format. At
// scale 2 it is the same drawing with twice the pixels each way, for screens
// of twice the density.
QImage draw(PictureId id, int scale = 1);

// The program's icon for a desktop's icon theme, drawn at size x size pixels
// with smooth edges, where the icon file keeps to 16 colours at 32.
QImage drawThemeIcon(int size);

} // namespace Artwork

#endif // ARTWORK_H
