#ifndef LESSON_H
#define LESSON_H

#include "Form1.h"
#include "PagePresenter.h"
#include "SplashWindowView.h"

#include <chrono>

// The lesson's windows and the procedures between them: the main window, the
// splash card and the presenter whose procedures write to both. Owns all
// three for the whole run.
class Lesson final
{
public:
    // The main window takes its pictures from `pictures` before this returns.
    explicit Lesson(const Form1::PictureSource &pictures,
                    std::chrono::milliseconds splashAutoClose = frmSplash::AutoCloseInterval);

    Lesson(const Lesson &) = delete;
    Lesson &operator=(const Lesson &) = delete;

    // Runs Form_Load, which waits for the start-up splash, then shows the
    // main window in the centre of the screen.
    void load();

    Form1 &mainWindow() { return m_form; }

private:
    // In this order, so that the splash card, which the main window owns
    // while it is the About window, goes before the main window.
    Form1 m_form;
    SplashWindowView m_splash;
    PagePresenter m_presenter;
};

#endif // LESSON_H
