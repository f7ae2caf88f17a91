#include "Lesson.h"

#include "WindowLog.h"
#include "WindowPlacement.h"

#include <QGuiApplication>

namespace {

// While the splash or About is up, the main window takes no input. The window
// system holds back mouse and keys; a screen reader's "press" action reaches
// a button or menu item directly, so nothing it asks for runs then.
template<typename Action>
auto unlessModal(Action action)
{
    return [action](auto... arguments) {
        if (!QGuiApplication::modalWindow())
            action(arguments...);
    };
}

} // namespace

Lesson::Lesson(std::chrono::milliseconds splashAutoClose)
    : m_splashAutoClose(splashAutoClose)
{
}

// The card goes before the main window, which owns it while it is About.
Lesson::~Lesson()
{
    delete m_card;
}

SplashCard &Lesson::card()
{
    if (!m_card)
        m_card = new SplashCard(m_splashAutoClose);
    return *m_card;
}

void Lesson::setTimerEnabled(bool enabled)
{
    QTimer &timer = card().closeTimer();
    // Enabling a running timer leaves its count alone.
    if (!enabled)
        timer.stop();
    else if (!timer.isActive())
        timer.start();
}

void Lesson::showModal()
{
    SplashCard &shown = card();
    shown.introduce(m_window.get());
    // Start-up builds the main window once the card is on the screen, or as
    // the card closes if it never painted.
    const auto buildOnce = [this] {
        if (!m_window)
            buildMainWindow();
    };
    QObject::connect(&shown, &SplashCard::firstPainted, &shown, buildOnce);
    // Every showing is a fresh window, centred on the screen.
    WindowPlacement::place(&shown);
    // Returns once the card has closed, whatever closed it; it deletes
    // itself then, which clears m_card.
    shown.exec();
    buildOnce();
}

void Lesson::buildMainWindow()
{
    m_window = std::make_unique<MainWindow>();
    qCDebug(lcWindows, "main window built");
    PagePresenter &p = m_presenter;
    MainWindow *w = m_window.get();
    QObject::connect(w, &MainWindow::pageAsked, w, unlessModal([&p](PageId page) { p.showPage(page); }));
    QObject::connect(w, &MainWindow::greetingsAsked, w, unlessModal([&p] { p.showGreetings(); }));
    QObject::connect(w, &MainWindow::aboutAsked, w, unlessModal([&p] { p.showAbout(); }));
    QObject::connect(w, &MainWindow::exitAsked, w, unlessModal([&p] { p.exit(); }));
    // The program ends with its main window, as on Exit. Qt's own quit when
    // the last window closes is a posted event that can come to nothing (Qt
    // drops it when a window shows meanwhile): under Wine on a busy machine
    // the close box left the program running with nothing on the screen.
    QObject::connect(w, &MainWindow::closed, w, &MainWindow::endProgram);
    m_presenter.setMainView(*w);
}

void Lesson::load()
{
    qCDebug(lcWindows, "start-up");
    m_presenter.start();

    WindowPlacement::place(m_window.get());
    m_window->show();
}
