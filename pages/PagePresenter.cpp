#include "PagePresenter.h"

#include "MainView.h"
#include "PageCatalogue.h"
#include "SplashView.h"

PagePresenter::PagePresenter(SplashView &splashView)
    : m_splash(splashView)
{
}

void PagePresenter::start()
{
    // Showing the splash creates it, so its timer is already counting.
    m_splash.showModal();
    m_main->setTextColour(LightCyan);
}

void PagePresenter::showPage(PageId id)
{
    const TutorialPage &page = PageCatalogue::page(id);
    if (page.colour == TextColourRule::SetLightCyan)
        m_main->setTextColour(LightCyan);
    else if (page.colour == TextColourRule::SetYellow)
        m_main->setTextColour(Yellow);
    m_main->setPicture(page.picture);
    m_main->setText(PageCatalogue::text(page));
    m_main->announcePage(page.name);
}

void PagePresenter::showGreetings()
{
    showPage(PageId::Greetings);
}

void PagePresenter::showAbout()
{
    // A single blank, not an empty text: the box is wiped before the about
    // window comes up, and the picture stays.
    m_main->setText(" ");
    m_splash.setTimerEnabled(false);
    m_splash.showModal();
}

void PagePresenter::exit()
{
    m_main->endProgram();
}
