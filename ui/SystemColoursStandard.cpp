#include "SystemColours.h"

QColor systemColour(SystemColour which)
{
    switch (which) {
    case SystemColour::WindowBackground:
        return Qt::white;
    case SystemColour::WindowFrame:
    case SystemColour::MenuText:
        return Qt::black;
    }
    return Qt::black;
}
