#ifndef SPLASHVIEW_H
#define SPLASHVIEW_H

// What the page procedures may do to the splash window. Each operation
// creates the window first if it does not exist; a new window's auto-close
// timer runs from the moment it is created.
class SplashView
{
public:
    virtual ~SplashView() = default;

    virtual void setTimerEnabled(bool enabled) = 0;
    // Shows the window modally and returns only once it has closed; events
    // go on being dispatched meanwhile.
    virtual void showModal() = 0;
};

#endif // SPLASHVIEW_H
