#include "UserMessage.h"

#include "version.h"

#include <cstdio>

#if VANTREL_MESSAGE_BOXES
#include <qt_windows.h>
#endif

namespace UserMessage {

namespace {

#if VANTREL_MESSAGE_BOXES
// Qt's own rule for its command-line messages.
bool nobodyReadsTheStreams()
{
    if (GetConsoleWindow())
        return false;
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    GetStartupInfoW(&startup);
    return !(startup.dwFlags & STARTF_USESTDHANDLES);
}

// Plain Win32: Qt's platform plugin may be what failed.
void showBox(const QString &text, UINT icon)
{
    const QString title = QString::fromUtf8(AppInfo::ProductName);
    MessageBoxW(nullptr, reinterpret_cast<const wchar_t *>(text.utf16()),
                reinterpret_cast<const wchar_t *>(title.utf16()), MB_OK | MB_TOPMOST | MB_SETFOREGROUND | icon);
}
#endif

void write(std::FILE *stream, const QString &text)
{
    std::fputs(qPrintable(text.endsWith(u'\n') ? text : text + u'\n'), stream);
    std::fflush(stream);
}

} // namespace

void answer(const QString &text)
{
#if VANTREL_MESSAGE_BOXES
    if (nobodyReadsTheStreams()) {
        showBox(text.trimmed(), MB_ICONINFORMATION);
        return;
    }
#endif
    write(stdout, text);
}

void failure(const QString &text)
{
    write(stderr, text);
#if VANTREL_MESSAGE_BOXES
    if (nobodyReadsTheStreams())
        showBox(text.trimmed(), MB_ICONERROR);
#endif
}

} // namespace UserMessage
