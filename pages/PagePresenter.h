#ifndef PAGEPRESENTER_H
#define PAGEPRESENTER_H

#include "PageId.h"

class MainView;
class SplashView;

// What the lesson does at start-up and at each thing a person asks of the
// main window. It keeps nothing between events, since everything the person
// sees lives in the windows it writes to.
class PagePresenter final
{
public:
    explicit PagePresenter(SplashView &splashView);

    // The main window is built while the start-up splash is up and handed
    // over before start() writes to it.
    void setMainView(MainView &mainView) { m_main = &mainView; }

    // The start-up splash, until it closes; the text is light cyan from then on.
    void start();

    void showPage(PageId id);
    void showGreetings();
    void showAbout();
    void exit();

private:
    MainView *m_main = nullptr;
    SplashView &m_splash;
};

#endif // PAGEPRESENTER_H
