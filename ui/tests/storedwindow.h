#ifndef STOREDWINDOW_H
#define STOREDWINDOW_H

#include "MainWindow.h"

#include <QApplication>

// The main window once built, found as a person's tools find it: among the
// program's top-level windows.
inline MainWindow *builtMainWindow()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *main = qobject_cast<MainWindow *>(window))
            return main;
    }
    return nullptr;
}

#endif // STOREDWINDOW_H
