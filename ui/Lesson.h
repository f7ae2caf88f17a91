#ifndef LESSON_H
#define LESSON_H

#include "MainWindow.h"
#include "PagePresenter.h"
#include "SplashCardView.h"

#include <chrono>
#include <memory>

// The lesson's windows and the procedures between them: the main window, the
// splash card and the presenter whose procedures write to both. Owns all
// three for the whole run.
class Lesson final
{
public:
    explicit Lesson(std::chrono::milliseconds splashAutoClose = SplashCard::AutoCloseInterval);

    Lesson(const Lesson &) = delete;
    Lesson &operator=(const Lesson &) = delete;

    // Runs start, which waits for the start-up splash, then shows the main
    // window in the centre of the screen. The main window is built as soon as
    // the splash has first painted, inside that wait.
    void load();

private:
    void buildMainWindow();

    // In this order, so that the splash card, which the main window owns
    // while it is the About window, goes before the main window.
    std::unique_ptr<MainWindow> m_window;
    SplashCardView m_splash;
    PagePresenter m_presenter;
};

#endif // LESSON_H
