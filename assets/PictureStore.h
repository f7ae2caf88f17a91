#ifndef PICTURESTORE_H
#define PICTURESTORE_H

#include "PictureTable.h"

#include <QImage>

// The pictures built into the program, decoded from their embedded files with
// Qt's own image readers.
namespace PictureStore {

// The picture for a screen of the given device pixel ratio, in
// QImage::Format_RGB32 (opaque, the form a window draws without converting).
// At a ratio of 1 it is the picture's own file, width x height pixels. Above
// 1 it is its drawing with twice the pixels, reduced smoothly to the ratio's
// pixels where that is below 2 and carrying the ratio, so that a painter
// shows it at the picture's size with each device pixel its own. A picture
// with no such drawing is its own file at any ratio.
QImage decode(PictureId id, qreal devicePixelRatio = 1);

} // namespace PictureStore

#endif // PICTURESTORE_H
