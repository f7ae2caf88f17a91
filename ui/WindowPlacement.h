#ifndef WINDOWPLACEMENT_H
#define WINDOWPLACEMENT_H

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

// Where a top-level window opens: centred on the available area of its
// screen, then moved as little as needed to bring the frame's top-left
// corner, with the title bar and the menus, onto that area. A window larger
// than the area may run past its right and bottom edges, never past the top
// or the left.
namespace WindowPlacement {

// The frame's top-left corner for a frame of `frame` size on `available`.
QPoint frameTopLeft(const QRect &available, const QSize &frame);

// Moves `window` (not yet shown, or shown) to that place on the screen it
// opens on.
void place(QWidget *window);

} // namespace WindowPlacement

#endif // WINDOWPLACEMENT_H
