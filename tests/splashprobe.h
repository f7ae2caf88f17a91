#ifndef SPLASHPROBE_H
#define SPLASHPROBE_H

#include "frmSplash.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

#include <functional>

// The splash window blocks in a modal wait, so the test acts on it from
// inside that wait: once a splash is up and modal, `action` runs once.
inline frmSplash *modalSplash()
{
    auto *splash = qobject_cast<frmSplash *>(QApplication::activeModalWidget());
    return splash && splash->isVisible() ? splash : nullptr;
}

inline void whenSplashIsUp(std::function<void(frmSplash *)> action)
{
    auto *poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, action = std::move(action)] {
        if (frmSplash *splash = modalSplash()) {
            poll->stop();
            poll->deleteLater();
            action(splash);
        }
    });
    poll->start(1);
}

inline void clickAwaySplashWhenUp()
{
    whenSplashIsUp([](frmSplash *splash) { QTest::mouseClick(splash, Qt::LeftButton, {}, QPoint(150, 200)); });
}

#endif // SPLASHPROBE_H
