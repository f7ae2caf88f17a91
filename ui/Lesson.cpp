#include "Lesson.h"

#include "WindowLog.h"
#include "WindowPlacement.h"

#include <QGuiApplication>

namespace {

// While the splash or About is up, the main window takes no input. The window
// system holds back mouse and keys; a screen reader's "press" action reaches
// a button or menu item directly, so nothing it asks for runs then.
template <typename Action>
auto unlessModal(Action action)
{
    return [action](auto... arguments) {
        if (!QGuiApplication::modalWindow())
            action(arguments...);
    };
}

} // namespace

Lesson::Lesson(MainWindowView::Builder buildMainWindow, std::chrono::milliseconds splashAutoClose)
    : m_main([this, build = std::move(buildMainWindow)] { return wire(build()); })
    , m_splash(splashAutoClose)
    , m_presenter(m_main, m_splash)
{
    m_splash.afterFirstPaint([this] { m_main.build(); });
}

std::unique_ptr<MainWindow> Lesson::wire(std::unique_ptr<MainWindow> window)
{
    PagePresenter &p = m_presenter;
    MainWindow *w = window.get();
    QObject::connect(w, &MainWindow::pageAsked, w, unlessModal([&p](PageId page) { p.showPage(page); }));
    QObject::connect(w, &MainWindow::greetingsAsked, w, unlessModal([&p] { p.showGreetings(); }));
    QObject::connect(w, &MainWindow::aboutAsked, w, unlessModal([&p] { p.showAbout(); }));
    QObject::connect(w, &MainWindow::exitAsked, w, unlessModal([&p] { p.exit(); }));
    // The program ends with its main window, as on Exit. Qt's own quit when
    // the last window closes is a posted event that can come to nothing (Qt
    // drops it when a window shows meanwhile): under Wine on a busy machine
    // the close box left the program running with nothing on the screen.
    QObject::connect(w, &MainWindow::closed, w, &MainWindow::endProgram);
    m_splash.setMainWindow(w);
    return window;
}

void Lesson::load()
{
    qCDebug(lcWindows, "start-up");
    m_presenter.start();

    MainWindow &window = m_main.window();
    WindowPlacement::place(&window);
    window.show();
}
