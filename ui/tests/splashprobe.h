#ifndef SPLASHPROBE_H
#define SPLASHPROBE_H

#include "Lesson.h"
#include "SplashCard.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QTest>
#include <QTimer>

#include <chrono>
#include <functional>
#include <source_location>

// The splash window blocks in a modal wait, so the test acts on it from
// inside that wait. A splash that does not close when it should would hold
// the test there for good: instead, SplashLimit after the event that should
// have closed it, the test fails naming that event, and the splash is closed
// so that the wait ends.
inline constexpr std::chrono::seconds SplashLimit{5};

namespace splashprobe {

inline void failAt(const std::source_location &where, const QString &why)
{
    QTest::qFail(qPrintable(why), where.file_name(), int(where.line()));
}

// The test function and row now running: a probe acts only within its own.
inline QByteArray runningTest()
{
    return QByteArray(QTest::currentTestFunction()) + '/' + QByteArray(QTest::currentDataTag());
}

} // namespace splashprobe

// The splash card while one exists, shown or not, else null: it is destroyed
// when it closes.
inline SplashCard *liveSplash()
{
    for (QWidget *widget : QApplication::allWidgets()) {
        if (auto *splash = qobject_cast<SplashCard *>(widget))
            return splash;
    }
    return nullptr;
}

inline SplashCard *modalSplash()
{
    auto *splash = qobject_cast<SplashCard *>(QApplication::activeModalWidget());
    return splash && splash->isVisible() ? splash : nullptr;
}

// Fails the test, naming `closedBy`, if `splash` is still up after `limit`.
inline void expectClosedWithin(SplashCard *splash, const QString &closedBy,
                               std::chrono::milliseconds limit = SplashLimit,
                               std::source_location where = std::source_location::current())
{
    QTimer::singleShot(limit, splash, [splash, closedBy, limit, where] {
        if (!splash->isVisible())
            return;
        splashprobe::failAt(where,
                            QStringLiteral("the splash was still up %1 ms after %2 should have closed it")
                                .arg(limit.count())
                                .arg(closedBy));
        splash->done(QDialog::Rejected);
    });
}

// Once a splash is up and modal, `action` runs once; `closedBy` is what then
// closes the splash. A splash that comes up without being modal is closed
// after SplashLimit, failing the test.
inline void whenSplashIsUp(std::function<void(SplashCard *)> action,
                           const QString &closedBy = QStringLiteral("the test's click or close request"),
                           std::source_location where = std::source_location::current())
{
    auto *poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll,
                     [poll, action = std::move(action), closedBy, where, test = splashprobe::runningTest(),
                      deadline = QDeadlineTimer(SplashLimit)] {
                         const auto stop = [poll] {
                             poll->stop();
                             poll->deleteLater();
                         };
                         if (splashprobe::runningTest() != test)
                             return stop();
                         if (SplashCard *splash = modalSplash()) {
                             stop();
                             expectClosedWithin(splash, closedBy, SplashLimit, where);
                             action(splash);
                         } else if (deadline.hasExpired()) {
                             stop();
                             for (QWidget *w : QApplication::topLevelWidgets()) {
                                 auto *splash = qobject_cast<SplashCard *>(w);
                                 if (splash && splash->isVisible()) {
                                     splashprobe::failAt(where, QStringLiteral("a splash came up, but not modal"));
                                     splash->done(QDialog::Rejected);
                                 }
                             }
                         }
                     });
    poll->start(1);
}

inline void clickAwaySplashWhenUp(std::source_location where = std::source_location::current())
{
    whenSplashIsUp([](SplashCard *splash) { QTest::mouseClick(splash, Qt::LeftButton, {}, QPoint(150, 200)); },
                   QStringLiteral("a click on it"), where);
}

// Starts the lesson; the start-up splash's timer must end its wait within
// SplashLimit.
inline void startLesson(Lesson &lesson, std::source_location where = std::source_location::current())
{
    QTimer deadline;
    deadline.setSingleShot(true);
    QObject::connect(&deadline, &QTimer::timeout, &deadline, [where] {
        if (SplashCard *splash = liveSplash()) {
            splashprobe::failAt(
                where,
                QStringLiteral("the start-up splash's timer had not closed it after %1 s").arg(SplashLimit.count()));
            splash->done(QDialog::Rejected);
        }
    });
    deadline.start(SplashLimit);
    lesson.load();
}

#endif // SPLASHPROBE_H
