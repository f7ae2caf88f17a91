#ifndef SPLASHCARDVIEW_H
#define SPLASHCARDVIEW_H

#include "SplashView.h"
#include "SplashCard.h"

#include <QPointer>

#include <chrono>
#include <functional>

// The program's one reference to the splash window. The window is made on
// first use and destroyed when it closes; the next use makes a fresh one.
class SplashCardView final : public SplashView
{
public:
    explicit SplashCardView(std::chrono::milliseconds autoClose);
    ~SplashCardView() override;

    void setTimerEnabled(bool enabled) override;
    void showModal() override;

    // Once the main window is visible, the card is its About window and is
    // owned by it; before, it is the start-up splash and has no owner.
    void setMainWindow(QWidget *mainWindow) { m_mainWindow = mainWindow; }

    // Runs `work` once, inside the wait of the next showing, as soon as that
    // card has first painted, or as the card closes if it never painted.
    void afterFirstPaint(std::function<void()> work) { m_afterFirstPaint = std::move(work); }

private:
    void ensureLoaded();

    std::chrono::milliseconds m_autoClose;
    QPointer<SplashCard> m_window;
    QPointer<QWidget> m_mainWindow;
    std::function<void()> m_afterFirstPaint;
};

#endif // SPLASHCARDVIEW_H
