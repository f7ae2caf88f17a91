#include "MainView.h"
#include "PageCatalogue.h"
#include "PagePresenter.h"
#include "SplashView.h"

#include <QtTest>

#include <functional>
#include <string>

namespace {

// Both fakes write into one log, so that the order of calls across the two
// windows shows. The main fake also keeps what a person would see.
struct CallLog {
    QStringList calls;
};

// Named by the values a person should see, not by the program's constants.
QString colourName(Rgb c)
{
    if (c == Rgb{0, 255, 255})
        return QStringLiteral("lightcyan");
    if (c == Rgb{255, 255, 0})
        return QStringLiteral("yellow");
    return QStringLiteral("rgb(%1,%2,%3)").arg(c.red).arg(c.green).arg(c.blue);
}

class RecordingMainView final : public MainView
{
public:
    explicit RecordingMainView(CallLog &log) : m_log(log) {}

    void setPicture(PictureId id) override
    {
        picture = id;
        m_log.calls << QStringLiteral("setPicture(%1)").arg(int(id));
    }
    void setText(std::string_view latin1) override
    {
        text.assign(latin1);
        m_log.calls << QStringLiteral("setText(%1 chars)").arg(latin1.size());
    }
    void setTextColour(Rgb c) override
    {
        colour = c;
        m_log.calls << QStringLiteral("setTextColour(%1)").arg(colourName(c));
    }
    void endProgram() override { m_log.calls << QStringLiteral("endProgram"); }

    PictureId picture = PictureId::picIntro;
    std::string text;
    Rgb colour{};

private:
    CallLog &m_log;
};

class RecordingSplashView final : public SplashView
{
public:
    explicit RecordingSplashView(CallLog &log) : m_log(log) {}

    void setTimerEnabled(bool enabled) override
    {
        m_log.calls << QStringLiteral("setTimerEnabled(%1)").arg(enabled);
    }
    void showModal() override
    {
        m_log.calls << QStringLiteral("showModal");
        if (duringModal)
            duringModal();
    }

    std::function<void()> duringModal;

private:
    CallLog &m_log;
};

using Procedure = std::function<void(PagePresenter &)>;

Procedure call(void (PagePresenter::*event)())
{
    return [event](PagePresenter &presenter) { (presenter.*event)(); };
}

Procedure show(PageId page)
{
    return [page](PagePresenter &presenter) { presenter.showPage(page); };
}

QString pageCalls(PageId id)
{
    const TutorialPage &page = PageCatalogue::page(id);
    return QStringLiteral("setPicture(%1)|setText(%2 chars)")
            .arg(int(page.picture))
            .arg(PageCatalogue::text(page).size());
}

} // namespace

Q_DECLARE_METATYPE(Procedure)

class tst_PagePresenter : public QObject
{
    Q_OBJECT

private slots:
    void procedure_data();
    void procedure();
    void colourAcrossPages_data();
    void colourAcrossPages();
    void aboutLeavesPictureAndColour();
    void startSetsColourOnlyAfterSplashCloses();
};

void tst_PagePresenter::procedure_data()
{
    QTest::addColumn<Procedure>("procedure");
    QTest::addColumn<QString>("expected");

    const QString cyan = QStringLiteral("setTextColour(lightcyan)|");
    QTest::newRow("start") << call(&PagePresenter::start)
                               << QStringLiteral("showModal|setTextColour(lightcyan)");
    QTest::newRow("introButton") << show(PageId::Intro) << cyan + pageCalls(PageId::Intro);
    QTest::newRow("stepButton1") << show(PageId::Step1) << cyan + pageCalls(PageId::Step1);
    QTest::newRow("stepButton2") << show(PageId::Step2) << cyan + pageCalls(PageId::Step2);
    QTest::newRow("stepButton3 keeps colour") << show(PageId::Step3) << pageCalls(PageId::Step3);
    QTest::newRow("stepButton4") << show(PageId::Step4) << cyan + pageCalls(PageId::Step4);
    QTest::newRow("stepButton5") << show(PageId::Step5) << cyan + pageCalls(PageId::Step5);
    QTest::newRow("stepButton6") << show(PageId::Step6) << cyan + pageCalls(PageId::Step6);
    QTest::newRow("stepButton7") << show(PageId::Step7) << cyan + pageCalls(PageId::Step7);
    const QString greetings = QStringLiteral("setTextColour(yellow)|") + pageCalls(PageId::Greetings);
    QTest::newRow("greetingsAction") << call(&PagePresenter::showGreetings) << greetings;
    QTest::newRow("greetingsButton is GreetZ") << call(&PagePresenter::showGreetings) << greetings;
    const QString about = QStringLiteral("setText(1 chars)|setTimerEnabled(0)|showModal");
    QTest::newRow("aboutButton") << call(&PagePresenter::showAbout) << about;
    QTest::newRow("aboutAction") << call(&PagePresenter::showAbout) << about;
    QTest::newRow("exitAction") << call(&PagePresenter::exit) << QStringLiteral("endProgram");
}

void tst_PagePresenter::procedure()
{
    QFETCH(Procedure, procedure);
    QFETCH(QString, expected);

    CallLog log;
    RecordingMainView main(log);
    RecordingSplashView splash(log);
    PagePresenter presenter(main, splash);

    procedure(presenter);

    QCOMPARE(log.calls.join(u'|'), expected);
}

void tst_PagePresenter::colourAcrossPages_data()
{
    QTest::addColumn<Procedure>("after");
    QTest::addColumn<QString>("colour");

    QTest::newRow("Greetings then 3 stays yellow") << show(PageId::Step3) << "yellow";
    QTest::newRow("Greetings then Intro") << show(PageId::Intro) << "lightcyan";
    QTest::newRow("Greetings then 1") << show(PageId::Step1) << "lightcyan";
    QTest::newRow("Greetings then 7") << show(PageId::Step7) << "lightcyan";
    QTest::newRow("Greetings then About") << call(&PagePresenter::showAbout) << "yellow";
}

void tst_PagePresenter::colourAcrossPages()
{
    QFETCH(Procedure, after);
    QFETCH(QString, colour);

    CallLog log;
    RecordingMainView main(log);
    RecordingSplashView splash(log);
    PagePresenter presenter(main, splash);

    presenter.start();
    presenter.showGreetings();
    QCOMPARE(colourName(main.colour), QStringLiteral("yellow"));
    after(presenter);
    QCOMPARE(colourName(main.colour), colour);
}

void tst_PagePresenter::aboutLeavesPictureAndColour()
{
    CallLog log;
    RecordingMainView main(log);
    RecordingSplashView splash(log);
    PagePresenter presenter(main, splash);

    presenter.showPage(PageId::Step5);
    // The text is already a single blank while the about window is up.
    std::string textDuringModal;
    splash.duringModal = [&] { textDuringModal = main.text; };
    presenter.showAbout();

    QCOMPARE(textDuringModal, std::string(" "));
    QCOMPARE(main.text, std::string(" "));
    QCOMPARE(main.picture, PictureId::picStep5);
    QCOMPARE(colourName(main.colour), QStringLiteral("lightcyan"));
}

void tst_PagePresenter::startSetsColourOnlyAfterSplashCloses()
{
    CallLog log;
    RecordingMainView main(log);
    RecordingSplashView splash(log);
    PagePresenter presenter(main, splash);

    QString colourDuringModal;
    splash.duringModal = [&] { colourDuringModal = colourName(main.colour); };
    presenter.start();

    QCOMPARE(colourDuringModal, colourName(Rgb{}));
    QCOMPARE(colourName(main.colour), QStringLiteral("lightcyan"));
}

QTEST_APPLESS_MAIN(tst_PagePresenter)
#include "tst_pagepresenter.moc"
