#include "Lesson.h"

#include "WindowLog.h"
#include "WindowPlacement.h"

Lesson::Lesson(MainWindowView::Builder buildMainWindow, std::chrono::milliseconds splashAutoClose)
    : m_main([this, build = std::move(buildMainWindow)] { return wire(build()); })
    , m_splash(splashAutoClose)
    , m_presenter(m_main, m_splash)
{
    m_splash.afterFirstPaint([this] { m_main.build(); });
}

std::unique_ptr<Form1> Lesson::wire(std::unique_ptr<Form1> window)
{
    window->runProcedures(m_presenter);
    m_splash.setMainWindow(window.get());
    return window;
}

void Lesson::load()
{
    qCDebug(lcWindows, "Form_Load");
    m_presenter.Form_Load();

    Form1 &window = m_main.window();
    WindowPlacement::place(&window);
    window.show();
}
