#include "SystemColours.h"

#include <windows.h>

QColor systemColour(SystemColour which)
{
    const COLORREF c = GetSysColor(int(which));
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}
