#ifndef PAGEPRESENTER_H
#define PAGEPRESENTER_H

#include "PageId.h"

class MainView;
class SplashView;

// The event procedures of the main window. Each button or menu event runs
// exactly one of them; they keep nothing between events, since everything the
// user sees lives in the windows they write to.
class PagePresenter final
{
public:
    PagePresenter(MainView &mainView, SplashView &splashView);

    void Form_Load();

    void cmdIntro_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();

    void mnuGreetz_Click();
    void cmdZarnok_Click();
    void cmdMorvane_Click();
    void mnuAbout_Click();
    void mnuExit_Click();

    void BlueText();

private:
    void showPage(PageId id);

    MainView &m_main;
    SplashView &m_splash;
};

#endif // PAGEPRESENTER_H
