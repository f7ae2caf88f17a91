#include "SplashWindowView.h"

#include "frmSplash.h"

#include <QGuiApplication>
#include <QScreen>
#include <QTimer>

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
    // Every showing is a fresh window, centred on the screen.
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        QRect frame = m_window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        m_window->move(frame.topLeft());
    }
    // Returns once the window has closed, whatever closed it; the dialog
    // deletes itself then, which clears m_window.
    m_window->exec();
}
