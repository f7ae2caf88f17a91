#ifndef STOREDWINDOW_H
#define STOREDWINDOW_H

#include "MainWindow.h"
#include "PictureStore.h"

#include <QApplication>

#include <memory>

// The main window with its pictures decoded on this thread, straight from
// the store.
inline std::unique_ptr<MainWindow> mainWindowFromStore()
{
    return std::make_unique<MainWindow>(PictureStore::decode);
}

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
