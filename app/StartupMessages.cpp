#include "StartupMessages.h"

#include "UserMessage.h"

#include <cstdlib>
#include <utility>

#if VANTREL_MESSAGE_BOXES
#include <qt_windows.h>

#include <cwchar>
#endif

namespace {

// The handler a message reaches; set while messages are held. Guarded by
// activeLock, since a thread may be inside handle() while release() runs.
std::mutex activeLock;
StartupMessages *active = nullptr;
// Where messages go once they are no longer held.
QtMessageHandler passOn = nullptr;

// A null context field stays null: Qt prints no category where there was none.
const char *orNull(const QByteArray &field)
{
    return field.isNull() ? nullptr : field.constData();
}

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

void allowDialogs()
{
    if (dialogHook)
        UnhookWindowsHookEx(std::exchange(dialogHook, nullptr));
}

// A fatal message after start-up, such as a picture whose reader is missing
// from the program's folder, ends the program too: it comes in a message box
// as well where the stream leads nowhere. One box: a second thread's fatal
// message waits here until the first ends the program.
void passOnFatalInBox(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type != QtFatalMsg) {
        passOn(type, context, text);
        return;
    }
    static std::mutex oneBox;
    oneBox.lock();
    UserMessage::failure(qFormatLogMessage(type, context, text));
}
#endif

} // namespace

QMessageLogContext StartupMessages::Held::context() const
{
    return QMessageLogContext(orNull(file), line, orNull(function), orNull(category));
}

StartupMessages::StartupMessages(const char *programName)
    : m_programName(programName)
{
    const std::scoped_lock lock(activeLock);
    active = this;
    m_previous = qInstallMessageHandler(&StartupMessages::handle);
    passOn = m_previous;
#if VANTREL_MESSAGE_BOXES
    dialogHook = SetWindowsHookExW(WH_CBT, &refuseDialogs, nullptr, GetCurrentThreadId());
#endif
}

StartupMessages::~StartupMessages()
{
    release();
}

void StartupMessages::release()
{
    QList<Held> held;
    {
        const std::scoped_lock lock(activeLock, m_lock);
        if (m_released)
            return;
        m_released = true;
#if VANTREL_MESSAGE_BOXES
        allowDialogs();
        qInstallMessageHandler(&passOnFatalInBox);
#else
        qInstallMessageHandler(m_previous);
#endif
        active = nullptr;
        held = std::exchange(m_held, {});
    }
    // Outside the lock: the handler passed to may itself log.
    for (const Held &message : std::as_const(held))
        m_previous(message.type, message.context(), message.text);
}

void StartupMessages::handle(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    std::unique_lock lock(activeLock);
    StartupMessages *self = active;
    if (!self) {
        // Released while this message was on its way: it goes where the
        // messages after it go.
        lock.unlock();
        passOn(type, context, text);
        return;
    }
    const std::scoped_lock heldLock(self->m_lock);
    lock.unlock();
    self->m_held.append({type, QByteArray(context.file), context.line,
                         QByteArray(context.function), QByteArray(context.category), text});
    if (type == QtFatalMsg)
        self->cannotOpenWindow();
}

void StartupMessages::cannotOpenWindow() const
{
    // The platform plugins say why before they give up: xcb "could not
    // connect to display", wayland "Failed to create wl_display".
    bool noDisplay = false;
    for (const Held &held : m_held) {
        if (held.text.contains(QLatin1String("connect to display"), Qt::CaseInsensitive)
            || held.text.contains(QLatin1String("wl_display")))
            noDisplay = true;
    }
    QString text = QStringLiteral("%1: cannot open a window: %2\n")
                       .arg(QString::fromLocal8Bit(m_programName),
                            noDisplay ? QStringLiteral("no display to connect to")
                                      : QStringLiteral("no window system could be started"));
    // Then Qt's own explanation, as Qt words it: which plugin failed or was
    // missing, and which ones there are.
    for (const Held &held : m_held)
        text += qFormatLogMessage(held.type, held.context(), held.text) + u'\n';
#if VANTREL_MESSAGE_BOXES
    allowDialogs();
#endif
    UserMessage::failure(text);
    // Not abort(): a missing display is the user's situation, not a crash.
    std::_Exit(1);
}
