#include "WindowLog.h"

Q_LOGGING_CATEGORY(lcWindows, "vantrel.windows", QtWarningMsg)
