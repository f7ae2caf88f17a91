#include "WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace WindowPlacement {

QPoint frameTopLeft(const QRect &available, const QSize &frame)
{
    const int left = available.left() + (available.width() - frame.width()) / 2;
    const int top = available.top() + (available.height() - frame.height()) / 2;
    return {std::max(left, available.left()), std::max(top, available.top())};
}

void place(QWidget *window)
{
    // An owned window opens over its owner, and so on the owner's screen.
    const QWidget *owner = window->parentWidget() ? window->parentWidget()->window() : window;
    const QScreen *screen = owner->screen();
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // On Windows the frame follows from the window's style and the screen's
    // scale as soon as the native window exists: made now, Qt knows it.
    if (!window->windowHandle() && QGuiApplication::platformName() == QLatin1String("windows"))
        window->winId();
    // Before the first showing the window manager's frame is not known yet;
    // the frame then counts as the window itself, as move() places it.
    QSize frame = window->frameGeometry().size();
    if (const QWindow *handle = window->windowHandle()) {
        const QMargins margins = handle->frameMargins();
        frame = window->size().grownBy(margins);
    }
    window->move(frameTopLeft(screen->availableGeometry(), frame));
}

} // namespace WindowPlacement
