#ifndef OFFSCREENLIMITS_H
#define OFFSCREENLIMITS_H

#include <QString>
#include <QtGlobal>

// A menu shown for the second time asks the platform to raise it and to grab
// the keyboard; the offscreen platform has no stacking and no grabs, and says
// so every time. While installed, those two lines are dropped and everything
// else goes on to Qt Test.
class OffscreenLimitsFilter final
{
public:
    void install() { passOn() = qInstallMessageHandler(&OffscreenLimitsFilter::handle); }
    void uninstall() { qInstallMessageHandler(passOn()); }

private:
    static QtMessageHandler &passOn()
    {
        static QtMessageHandler previous = nullptr;
        return previous;
    }

    static void handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
    {
        if (type == QtWarningMsg
            && (message == QLatin1String("This plugin does not support raise()")
                || message == QLatin1String("This plugin does not support grabbing the keyboard")))
            return;
        passOn()(type, context, message);
    }
};

#endif // OFFSCREENLIMITS_H
