#include "StartupMessages.h"

#include "UserMessage.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <mutex>

#if VANTREL_MESSAGE_BOXES
#include <qt_windows.h>

#include <cwchar>
#endif

namespace {

// Qt's own threads may log while the platform connects.
std::mutex heldLock;
bool holding = false;
// Qt's messages, each as Qt formats it, while they are held.
QString held;
// Where messages go once they are no longer held.
QtMessageHandler passOn = nullptr;

#if VANTREL_MESSAGE_BOXES
// Where no platform plugin loads, Qt shows a box of its own before its fatal
// message: titled with the executable's name and without the plugin's. The
// program's box says all of it, so while messages are held no dialog opens
// on the thread that connects.
HHOOK dialogHook = nullptr;

LRESULT CALLBACK refuseDialogs(int code, WPARAM wParam, LPARAM lParam)
{
    wchar_t className[8];
    if (code == HCBT_CREATEWND && GetClassNameW(reinterpret_cast<HWND>(wParam), className, 8)
        && std::wcscmp(className, L"#32770") == 0)
        return 1;
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
#endif

[[noreturn]] void cannotOpenWindow()
{
    // The platform plugins say why before they give up: xcb "could not
    // connect to display", wayland "Failed to create wl_display".
    const bool noDisplay = held.contains(QLatin1String("connect to display"), Qt::CaseInsensitive)
        || held.contains(QLatin1String("wl_display"));
#if VANTREL_MESSAGE_BOXES
    UnhookWindowsHookEx(dialogHook);
#endif
    // Below the one line comes Qt's own explanation: which plugin failed or
    // was missing, and which ones there are.
    UserMessage::failure(QStringLiteral("%1: cannot open a window: %2\n")
                             .arg(QCoreApplication::applicationName(),
                                  noDisplay ? QStringLiteral("no display to connect to")
                                            : QStringLiteral("no window system could be started"))
                         + held);
    // Not abort(): a missing display is the user's situation, not a crash.
    std::_Exit(1);
}

void handle(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    std::unique_lock guard(heldLock);
    if (holding) {
        // As Qt's own handler writes it, which leaves out what the message
        // pattern made null.
        if (const QString line = qFormatLogMessage(type, context, text); !line.isNull())
            held += line + u'\n';
        if (type == QtFatalMsg)
            cannotOpenWindow();
        return;
    }
    guard.unlock();
#if VANTREL_MESSAGE_BOXES
    // A fatal message after start-up, such as a picture whose reader is
    // missing from the program's folder, ends the program too: it comes in a
    // message box as well where the stream leads nowhere. One box: a second
    // thread's fatal message waits here until the first ends the program.
    if (type == QtFatalMsg) {
        static std::mutex oneBox;
        oneBox.lock();
        UserMessage::failure(qFormatLogMessage(type, context, text));
        return;
    }
#endif
    passOn(type, context, text);
}

} // namespace

void StartupMessages::hold()
{
    const std::scoped_lock guard(heldLock);
    holding = true;
    passOn = qInstallMessageHandler(&handle);
#if VANTREL_MESSAGE_BOXES
    dialogHook = SetWindowsHookExW(WH_CBT, &refuseDialogs, nullptr, GetCurrentThreadId());
#endif
}

void StartupMessages::release()
{
    const std::scoped_lock guard(heldLock);
    holding = false;
#if VANTREL_MESSAGE_BOXES
    UnhookWindowsHookEx(dialogHook);
#endif
    std::fputs(qPrintable(held), stderr);
    std::fflush(stderr);
}
