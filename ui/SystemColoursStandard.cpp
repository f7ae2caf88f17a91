#include "SystemColours.h"

// The standard scheme's: a white window background, the window frame and the
// menu text black.
QColor systemColour(SystemColour which)
{
    return which == SystemColour::WindowBackground ? Qt::white : Qt::black;
}
