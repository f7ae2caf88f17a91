#ifndef WINDOWLOG_H
#define WINDOWLOG_H

#include <QLoggingCategory>

// The life of the program's windows: made, shown, closed. Silent unless
// asked for, as any Qt category: QT_LOGGING_RULES="vantrel.windows.debug=true".
Q_DECLARE_LOGGING_CATEGORY(lcWindows)

#endif // WINDOWLOG_H
