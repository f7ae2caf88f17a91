#ifndef SYSTEMCOLOURS_H
#define SYSTEMCOLOURS_H

#include <QColor>

// The colours that the window layouts name by their index in the system
// colour scheme: 5 window background, 6 window frame, 7 menu text.
enum class SystemColour {
    WindowBackground = 5,
    WindowFrame = 6,
    MenuText = 7,
};

// On Windows the colour of the user's scheme; elsewhere, where desktops have
// no such indexes, the colour of the standard scheme.
QColor systemColour(SystemColour which);

#endif // SYSTEMCOLOURS_H
