#include "SystemColours.h"

#ifdef Q_OS_WIN
#include <windows.h>
#endif

QColor systemColour(SystemColour which)
{
#ifdef Q_OS_WIN
    const COLORREF c = GetSysColor(int(which));
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
#else
    switch (which) {
    case SystemColour::WindowBackground:
        return Qt::white;
    case SystemColour::WindowFrame:
    case SystemColour::MenuText:
        return Qt::black;
    }
    return Qt::black;
#endif
}
