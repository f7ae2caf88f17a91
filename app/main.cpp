#include "CommandLine.h"
#include "FontConfigLoader.h"
#include "Lesson.h"
#include "PictureBatch.h"
#include "StartupMessages.h"
#include "version.h"

#include <QApplication>
#include <QImageReader>

// Start-up keeps its order: the main window is built with all its pictures
// decoded, then Form_Load shows the splash and waits for it, and only then is
// the main window shown. What can go on at the same time runs on the second
// core, and each worker is joined before its work is used.
int main(int argc, char *argv[])
{
    // --help and --version touch no window system.
    if (CommandLine::answer(argc, argv))
        return 0;
    // Second core: the font configuration. This one: the window system.
    FontConfigLoader fontConfig;
    StartupMessages startup(AppInfo::Name);
    QApplication app(argc, argv);
    startup.release();
    if (!CommandLine::acceptRemaining())
        return CommandLine::UnknownOption;

    QApplication::setApplicationName(QString::fromLatin1(AppInfo::Name));
    QApplication::setApplicationVersion(QString::fromLatin1(AppInfo::Version));
    // Wayland finds the window's icon through the desktop entry of this name.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(AppInfo::DesktopFileName));

    // The controls measure their text from here on.
    fontConfig.wait();

#if VANTREL_SCAN_IMAGE_READERS_FIRST
    // The first thread to look for Qt's image readers uses regular
    // expressions, whose JIT stack Qt keeps in a thread_local; with MinGW a
    // thread that ends holding one can crash. This thread looks first, so the
    // decoding thread never does.
    QImageReader::supportedImageFormats();
#endif

    // Second core: Form1's pictures. This one: Form1's controls. Form1 takes
    // its pictures once its controls stand; the first take joins the batch,
    // so that every picture is decoded before Form_Load.
    PictureBatch pictures(Form1::HeldPictures);
    Lesson lesson([&pictures](PictureSlot slot) { return pictures.take(slot); });
    lesson.load();
    return app.exec();
}
