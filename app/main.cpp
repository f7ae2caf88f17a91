#include "CommandLine.h"
#include "Lesson.h"
#include "PictureStore.h"
#include "StartupMessages.h"
#include "version.h"

#include <QApplication>
#include <QImageReader>

// Start-up puts the splash card on the screen first, with nothing before it
// that the card does not show: the application, then the card, which decodes
// its own picture. The main window, its eleven pictures and Qt's font
// database (filled as the text box is made) come after the card's first
// paint, in the five seconds it waits; the main window appears only once the
// card has closed, complete. A card closed before the window is built waits
// for it, a matter of milliseconds.
int main(int argc, char *argv[])
{
    // --help and --version touch no window system.
    if (CommandLine::answer(argc, argv))
        return 0;
    StartupMessages startup(AppInfo::Name);
    QApplication app(argc, argv);
    startup.release();
    if (!CommandLine::acceptRemaining())
        return CommandLine::UnknownOption;

    QApplication::setApplicationName(QString::fromLatin1(AppInfo::Name));
    QApplication::setApplicationVersion(QString::fromLatin1(AppInfo::Version));
    // Wayland finds the window's icon through the desktop entry of this name.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(AppInfo::DesktopFileName));

#if VANTREL_SCAN_IMAGE_READERS_FIRST
    // The first thread to look for Qt's image readers uses regular
    // expressions, whose JIT stack Qt keeps in a thread_local; with MinGW a
    // thread that ends holding one can crash. This thread looks first, so the
    // decoding thread never does.
    QImageReader::supportedImageFormats();
#endif

    // Built after the card's first paint, its pictures decoded here as it
    // takes them.
    Lesson lesson([] {
        return std::make_unique<MainWindow>(PictureStore::decode);
    });
    lesson.load();
    return app.exec();
}
