#ifndef MAINVIEW_H
#define MAINVIEW_H

#include "PictureId.h"
#include "Rgb.h"

#include <string_view>

// What the page procedures may do to the main window.
class MainView
{
public:
    virtual ~MainView() = default;

    // The display box shows the already decoded picture.
    virtual void setPicture(PictureId id) = 0;
    // Replaces the whole text of the text box; ISO 8859-1 (Latin-1) bytes.
    virtual void setText(std::string_view latin1) = 0;
    // Applies to the text from now on, including text set later.
    virtual void setTextColour(Rgb colour) = 0;
    // Tells a screen reader that the named page is shown, with its text and
    // picture, wherever the reader's focus is.
    virtual void announcePage(std::string_view name) = 0;
    // Ends the run at once; every window closes without further events.
    virtual void endProgram() = 0;
};

#endif // MAINVIEW_H
