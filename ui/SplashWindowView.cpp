#include "SplashWindowView.h"

#include "WindowPlacement.h"
#include "frmSplash.h"

#include <QTimer>

#include <utility>

SplashWindowView::SplashWindowView(std::chrono::milliseconds autoClose)
    : m_autoClose(autoClose)
{
}

SplashWindowView::~SplashWindowView()
{
    delete m_window;
}

void SplashWindowView::ensureLoaded()
{
    if (!m_window)
        m_window = new frmSplash(m_autoClose);
}

void SplashWindowView::setTimerEnabled(bool enabled)
{
    ensureLoaded();
    QTimer &timer = m_window->Timer1();
    // Enabling a running timer leaves its count alone.
    if (!enabled)
        timer.stop();
    else if (!timer.isActive())
        timer.start();
}

void SplashWindowView::showModal()
{
    ensureLoaded();
    m_window->introduce(m_mainWindow);
    if (m_afterFirstPaint)
        QObject::connect(m_window, &frmSplash::firstPainted, m_window, std::exchange(m_afterFirstPaint, {}));
    // Every showing is a fresh window, centred on the screen.
    WindowPlacement::place(m_window);
    // Returns once the window has closed, whatever closed it; the dialog
    // deletes itself then, which clears m_window.
    m_window->exec();
}
