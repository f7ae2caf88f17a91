#include "StartupMessages.h"

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace {

StartupMessages *active = nullptr;

// A null context field stays null: Qt prints no category where there was none.
const char *orNull(const QByteArray &field)
{
    return field.isNull() ? nullptr : field.constData();
}

} // namespace

StartupMessages::StartupMessages(const char *programName)
    : m_programName(programName)
{
    active = this;
    m_previous = qInstallMessageHandler(&StartupMessages::handle);
}

StartupMessages::~StartupMessages()
{
    release();
}

void StartupMessages::release()
{
    if (m_released)
        return;
    m_released = true;
    qInstallMessageHandler(m_previous);
    active = nullptr;
    for (const Held &held : std::as_const(m_held)) {
        const QMessageLogContext context(orNull(held.file), held.line, orNull(held.function),
                                         orNull(held.category));
        m_previous(held.type, context, held.text);
    }
    m_held.clear();
}

void StartupMessages::handle(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    active->m_held.append({type, QByteArray(context.file), context.line,
                           QByteArray(context.function), QByteArray(context.category), text});
    if (type == QtFatalMsg)
        active->cannotOpenWindow();
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
    std::fprintf(stderr, "%s: cannot open a window: %s\n", m_programName,
                 noDisplay ? "no display to connect to" : "no window system could be started");
    // Then Qt's own explanation, as Qt words it: which plugin failed or was
    // missing, and which ones there are.
    for (const Held &held : m_held) {
        const QMessageLogContext context(orNull(held.file), held.line, orNull(held.function),
                                         orNull(held.category));
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(held.type, context, held.text)));
    }
    std::fflush(stderr);
    // Not abort(): a missing display is the user's situation, not a crash.
    std::_Exit(1);
}
