#include "CommandLine.h"

#include "UserMessage.h"
#include "version.h"

#include <QCommandLineParser>
#include <QGuiApplication>

#include <vector>

bool CommandLine::answer(int argc, char *argv[])
{
    QCommandLineParser parser;
    // A single dash starts a whole word, as in Qt's -platform or -reverse.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(QString::fromUtf8(AppInfo::Description));
    parser.addHelpOption();
    parser.addVersionOption();
    {
        // The arguments as the system hands them, and the program's name
        // for the usage line, with no window system yet. On a copy: Qt takes
        // out what it knows, and the application object must see it all.
        int coreArgc = argc;
        std::vector<char *> coreArgv(argv, argv + argc + 1);
        const QCoreApplication core(coreArgc, coreArgv.data());
        // Unknown options are not told yet: Qt may know them.
        parser.parse(QCoreApplication::arguments());
        if (parser.isSet(QStringLiteral("version"))) {
            UserMessage::answer(QCoreApplication::applicationName() + u' ' + QCoreApplication::applicationVersion());
            return true;
        }
        if (parser.isSet(QStringLiteral("help"))) {
            UserMessage::answer(parser.helpText());
            return true;
        }
        if (!parser.isSet(QStringLiteral("help-all")))
            return false;
    }
    // Qt lists its own options only where a QGuiApplication stands: this one
    // is built on a window system that needs no display. Qt then answers as
    // for --help, in a box titled as the program's where it has no console,
    // and ends the program with status 0.
    char platformOption[] = "-platform";
    char platform[] = VANTREL_HELP_PLATFORM;
    char *helpArgv[] = {argv[0], platformOption, platform, nullptr};
    int helpArgc = 3;
    const QGuiApplication helpOnly(helpArgc, helpArgv);
    QGuiApplication::setApplicationDisplayName(QString::fromUtf8(AppInfo::ProductName));
    parser.process({QCoreApplication::arguments().constFirst(), QStringLiteral("--help-all")});
    return true;
}

bool CommandLine::acceptRemaining()
{
    // The program's own options were answered before; Qt has taken out its
    // own, the ones it knows in this session. Any option left is unknown.
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    if (parser.parse(QCoreApplication::arguments()))
        return true;
    UserMessage::failure(
        QStringLiteral("%1: %2 Try '%1 --help'.").arg(QCoreApplication::applicationName(), parser.errorText()));
    return false;
}
