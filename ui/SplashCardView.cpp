#include "SplashCardView.h"

#include "WindowPlacement.h"
#include "SplashCard.h"

#include <QTimer>

#include <utility>

SplashCardView::SplashCardView(std::chrono::milliseconds autoClose)
    : m_autoClose(autoClose)
{
}

SplashCardView::~SplashCardView()
{
    delete m_window;
}

void SplashCardView::ensureLoaded()
{
    if (!m_window)
        m_window = new SplashCard(m_autoClose);
}

void SplashCardView::setTimerEnabled(bool enabled)
{
    ensureLoaded();
    QTimer &timer = m_window->closeTimer();
    // Enabling a running timer leaves its count alone.
    if (!enabled)
        timer.stop();
    else if (!timer.isActive())
        timer.start();
}

void SplashCardView::showModal()
{
    ensureLoaded();
    m_window->introduce(m_mainWindow);
    const auto runAfterFirstPaint = [this] {
        if (auto work = std::exchange(m_afterFirstPaint, {}))
            work();
    };
    QObject::connect(m_window, &SplashCard::firstPainted, m_window, runAfterFirstPaint);
    // Every showing is a fresh window, centred on the screen.
    WindowPlacement::place(m_window);
    // Returns once the window has closed, whatever closed it; the dialog
    // deletes itself then, which clears m_window.
    m_window->exec();
    // A card closed before it ever painted leaves the work done all the same.
    runAfterFirstPaint();
}
