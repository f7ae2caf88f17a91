#ifndef STOREDWINDOW_H
#define STOREDWINDOW_H

#include "Form1.h"
#include "PictureStore.h"

#include <memory>

// The main window with its pictures decoded on this thread, straight from
// the store.
inline std::unique_ptr<Form1> mainWindowFromStore()
{
    return std::make_unique<Form1>(PictureStore::decode);
}

#endif // STOREDWINDOW_H
