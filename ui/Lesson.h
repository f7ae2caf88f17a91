#ifndef LESSON_H
#define LESSON_H

#include "MainWindow.h"
#include "PagePresenter.h"
#include "SplashCard.h"
#include "SplashView.h"

#include <QPointer>

#include <chrono>
#include <memory>

// The lesson's windows and the procedures between them: the main window, the
// splash card and the presenter whose procedures write to both. It is the
// program's one reference to the card, which is made on first use and
// destroyed when it closes; the next use makes a fresh one.
class Lesson final : public SplashView
{
public:
    explicit Lesson(std::chrono::milliseconds splashAutoClose = SplashCard::AutoCloseInterval);
    ~Lesson() override;

    Lesson(const Lesson &) = delete;
    Lesson &operator=(const Lesson &) = delete;

    // Runs start, which waits for the start-up splash, then shows the main
    // window in the centre of the screen. The main window is built as soon as
    // the splash has first painted, inside that wait.
    void load();

    void setTimerEnabled(bool enabled) override;
    void showModal() override;

private:
    SplashCard &card();
    void buildMainWindow();

    const std::chrono::milliseconds m_splashAutoClose;
    std::unique_ptr<MainWindow> m_window;
    QPointer<SplashCard> m_card;
    PagePresenter m_presenter{*this};
};

#endif // LESSON_H
