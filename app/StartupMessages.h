#ifndef STARTUPMESSAGES_H
#define STARTUPMESSAGES_H

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtGlobal>

#include <mutex>

// Holds back Qt's messages while the application object connects to the
// window system. If that fails, Qt would print its plugin warnings and abort
// with a core dump; instead the program says in one line that it cannot open
// a window, gives Qt's own explanation below it (on Windows in a message box
// too, in place of Qt's shorter one), and exits with status 1.
// Once the connection stands, release() hands the held messages on exactly as
// if nothing had been in between. On Windows a fatal message after that, which
// also ends the program, comes in the message box as well.
class StartupMessages final
{
public:
    explicit StartupMessages(const char *programName);
    ~StartupMessages();

    StartupMessages(const StartupMessages &) = delete;
    StartupMessages &operator=(const StartupMessages &) = delete;

    void release();

private:
    struct Held {
        QtMsgType type;
        QByteArray file;
        int line;
        QByteArray function;
        QByteArray category;
        QString text;

        // The context as Qt gave it; valid while this Held lives.
        QMessageLogContext context() const;
    };

    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &text);
    [[noreturn]] void cannotOpenWindow() const;

    const char *m_programName;
    QtMessageHandler m_previous;
    // Qt's own threads may log while the platform connects.
    std::mutex m_lock;
    QList<Held> m_held;
    bool m_released = false;
};

#endif // STARTUPMESSAGES_H
