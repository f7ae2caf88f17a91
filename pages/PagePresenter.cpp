#include "PagePresenter.h"

#include "MainView.h"
#include "PageCatalogue.h"
#include "SplashView.h"

PagePresenter::PagePresenter(MainView &mainView, SplashView &splashView)
    : m_main(mainView)
    , m_splash(splashView)
{
}

void PagePresenter::Form_Load()
{
    // Showing the splash creates it, so its timer is already counting.
    m_splash.showModal();
    m_main.setTextColour(LightCyan);
}

void PagePresenter::cmdIntro_Click() { showPage(PageId::Intro); }
void PagePresenter::Command1_Click() { showPage(PageId::Step1); }
void PagePresenter::Command2_Click() { showPage(PageId::Step2); }
void PagePresenter::Command3_Click() { showPage(PageId::Step3); }
void PagePresenter::Command4_Click() { showPage(PageId::Step4); }
void PagePresenter::Command5_Click() { showPage(PageId::Step5); }
void PagePresenter::Command6_Click() { showPage(PageId::Step6); }
void PagePresenter::Command7_Click() { showPage(PageId::Step7); }

void PagePresenter::mnuGreetz_Click() { showPage(PageId::Greetings); }

void PagePresenter::cmdZarnok_Click()
{
    mnuGreetz_Click();
}

void PagePresenter::cmdMorvane_Click()
{
    // A single blank, not an empty text: the box is wiped before the about
    // window comes up, and the picture stays.
    m_main.setText(" ");
    m_splash.setTimerEnabled(false);
    m_splash.showModal();
}

void PagePresenter::mnuAbout_Click()
{
    cmdMorvane_Click();
}

void PagePresenter::mnuExit_Click()
{
    m_main.endProgram();
}

void PagePresenter::BlueText()
{
    m_main.setTextColour(LightCyan);
}

void PagePresenter::showPage(PageId id)
{
    const TutorialPage &page = PageCatalogue::page(id);
    switch (page.colour) {
    case TextColourRule::SetLightCyan:
        BlueText();
        break;
    case TextColourRule::SetYellow:
        m_main.setTextColour(Yellow);
        break;
    case TextColourRule::Keep:
        break;
    }
    m_main.setPicture(page.picture);
    m_main.setText(PageCatalogue::text(page));
}
