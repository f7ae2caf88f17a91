#include "Form1.h"
#include "StartupMessages.h"
#include "version.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    StartupMessages startup(AppInfo::Name);
    QApplication app(argc, argv);
    startup.release();

    QApplication::setApplicationName(QString::fromLatin1(AppInfo::Name));
    QApplication::setApplicationVersion(QString::fromLatin1(AppInfo::Version));
    // Wayland finds the window's icon through the desktop entry of this name.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(AppInfo::DesktopFileName));

    Form1 form;
    form.load();
    return app.exec();
}
