#include "CommandLine.h"

#include "UserMessage.h"
#include "version.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

namespace {

// The Qt options that matter to this program, as Qt documents them for
// QGuiApplication and QApplication. Qt itself reads them; they are named
// here to list them under --help, and so that a value that follows one is
// read as its value, as Qt reads it.
QList<QCommandLineOption> qtOptions()
{
    const auto option = [](const char *name, const char *description, const char *value = "") {
        return QCommandLineOption(QString::fromLatin1(name), QString::fromLatin1(description),
                                  QString::fromLatin1(value));
    };
    return {
        option("platform", "The window system: xcb (X11), wayland, offscreen (none at all) or windows.",
               "name[:options]"),
        option("platformpluginpath", "Where to look for the window system plugins.", "path"),
        option("platformtheme", "The desktop theme to follow.", "theme"),
        option("plugin", "An input device plugin to load as well; may be given more than once.", "plugin"),
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
        option("display", "The X server to connect to, rather than the one DISPLAY names.", "display"),
#endif
        option("qwindowgeometry", "The first window's size and place, as WIDTHxHEIGHT+X+Y.", "geometry"),
        option("qwindowtitle", "The first window's title.", "title"),
        option("qwindowicon", "The windows' icon.", "icon"),
        option("reverse", "Lays the windows out from right to left."),
        option("session", "Restores the program from a session of the session manager.", "session"),
        option("style", "Draws the controls in this widget style, for instance Fusion.", "style"),
        option("stylesheet", "Draws the controls with this style sheet.", "file"),
        option("widgetcount", "Says at the end how many controls were made."),
    };
}

// A parser's list of options, without its usage line and heading.
QString optionRows(const QCommandLineParser &parser)
{
    const QString text = parser.helpText();
    const qsizetype heading = text.indexOf(QLatin1String("\n\n"));
    return text.mid(text.indexOf(u'\n', heading + 2) + 1);
}

} // namespace

bool CommandLine::answer(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QString::fromLatin1(AppInfo::Name));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(AppInfo::Version));

    // The program's options, and Qt's below them under a heading of their own.
    QCommandLineParser ours;
    ours.setApplicationDescription(QString::fromUtf8(AppInfo::Description));
    const QCommandLineOption help = ours.addHelpOption();
    const QCommandLineOption version = ours.addVersionOption();
    QCommandLineParser qt;
    qt.addOptions(qtOptions());

    QCommandLineParser all;
    all.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    all.addHelpOption();
    all.addVersionOption();
    all.addOptions(qtOptions());
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // Unknown options are not told yet: Qt may know them.
    all.parse(arguments);

    if (all.isSet(version)) {
        UserMessage::answer(QCoreApplication::applicationName() + u' '
                            + QCoreApplication::applicationVersion());
        return true;
    }
    if (all.isSet(help) || all.isSet(QStringLiteral("help-all"))) {
        // The usage line names the program as it was started; Qt takes that
        // from the core application, which opens no window.
        const QCoreApplication core(argc, argv);
        UserMessage::answer(ours.helpText() + QLatin1String("\nQt's options:\n") + optionRows(qt));
        return true;
    }
    return false;
}

bool CommandLine::acceptRemaining()
{
    // The program's own options were answered before; Qt has taken out its
    // own, the ones it knows in this session.
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    if (parser.parse(QCoreApplication::arguments()))
        return true;
    UserMessage::failure(QStringLiteral("%1: %2 Try '%1 --help'.")
                             .arg(QCoreApplication::applicationName(), parser.errorText()));
    return false;
}
