#include "CommandLine.h"
#include "Lesson.h"
#include "StartupMessages.h"
#include "version.h"

#include <QApplication>

// Start-up puts the splash card on the screen first, with nothing before it
// that the card does not show: the application, then the card, which decodes
// its own picture. The main window, its eleven pictures and Qt's font
// database (filled as the text box is made) come after the card's first
// paint, in the five seconds it waits; the main window appears only once the
// card has closed, complete. A card closed before the window is built waits
// for it, a matter of milliseconds.
int main(int argc, char *argv[])
{
    QCoreApplication::setApplicationName(QString::fromLatin1(AppInfo::Name));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(AppInfo::Version));
    // --help, --help-all and --version need no display.
    if (CommandLine::answer(argc, argv))
        return 0;
    StartupMessages::hold();
    QApplication app(argc, argv);
    StartupMessages::release();
    if (!CommandLine::acceptRemaining())
        return CommandLine::UnknownOption;

    // Wayland finds the window's icon through the desktop entry of this name.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(AppInfo::DesktopFileName));

    Lesson lesson;
    lesson.load();
    return app.exec();
}
