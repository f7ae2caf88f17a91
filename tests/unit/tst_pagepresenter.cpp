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

    void setPicture(PictureSlot slot) override
    {
        picture = slot;
        m_log.calls << QStringLiteral("setPicture(%1)").arg(int(slot));
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

    PictureSlot picture = PictureSlot::picIntro;
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

using Procedure = void (PagePresenter::*)();

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
    void formLoadSetsColourOnlyAfterSplashCloses();
};

void tst_PagePresenter::procedure_data()
{
    QTest::addColumn<Procedure>("procedure");
    QTest::addColumn<QString>("expected");

    const QString cyan = QStringLiteral("setTextColour(lightcyan)|");
    QTest::newRow("Form_Load") << &PagePresenter::Form_Load
                               << QStringLiteral("showModal|setTextColour(lightcyan)");
    QTest::newRow("cmdIntro") << &PagePresenter::cmdIntro_Click << cyan + pageCalls(PageId::Intro);
    QTest::newRow("Command1") << &PagePresenter::Command1_Click << cyan + pageCalls(PageId::Step1);
    QTest::newRow("Command2") << &PagePresenter::Command2_Click << cyan + pageCalls(PageId::Step2);
    QTest::newRow("Command3 keeps colour") << &PagePresenter::Command3_Click << pageCalls(PageId::Step3);
    QTest::newRow("Command4") << &PagePresenter::Command4_Click << cyan + pageCalls(PageId::Step4);
    QTest::newRow("Command5") << &PagePresenter::Command5_Click << cyan + pageCalls(PageId::Step5);
    QTest::newRow("Command6") << &PagePresenter::Command6_Click << cyan + pageCalls(PageId::Step6);
    QTest::newRow("Command7") << &PagePresenter::Command7_Click << cyan + pageCalls(PageId::Step7);
    const QString greetings = QStringLiteral("setTextColour(yellow)|") + pageCalls(PageId::Greetings);
    QTest::newRow("mnuGreetz") << &PagePresenter::mnuGreetz_Click << greetings;
    QTest::newRow("cmdZarnok is GreetZ") << &PagePresenter::cmdZarnok_Click << greetings;
    const QString about = QStringLiteral("setText(1 chars)|setTimerEnabled(0)|showModal");
    QTest::newRow("cmdMorvane") << &PagePresenter::cmdMorvane_Click << about;
    QTest::newRow("mnuAbout") << &PagePresenter::mnuAbout_Click << about;
    QTest::newRow("mnuExit") << &PagePresenter::mnuExit_Click << QStringLiteral("endProgram");
    QTest::newRow("BlueText") << &PagePresenter::BlueText << QStringLiteral("setTextColour(lightcyan)");
}

void tst_PagePresenter::procedure()
{
    QFETCH(Procedure, procedure);
    QFETCH(QString, expected);

    CallLog log;
    RecordingMainView main(log);
    RecordingSplashView splash(log);
    PagePresenter presenter(main, splash);

    (presenter.*procedure)();

    QCOMPARE(log.calls.join(u'|'), expected);
}

void tst_PagePresenter::colourAcrossPages_data()
{
    QTest::addColumn<Procedure>("after");
    QTest::addColumn<QString>("colour");

    QTest::newRow("Greetings then 3 stays yellow") << &PagePresenter::Command3_Click << "yellow";
    QTest::newRow("Greetings then Intro") << &PagePresenter::cmdIntro_Click << "lightcyan";
    QTest::newRow("Greetings then 1") << &PagePresenter::Command1_Click << "lightcyan";
    QTest::newRow("Greetings then 7") << &PagePresenter::Command7_Click << "lightcyan";
    QTest::newRow("Greetings then About") << &PagePresenter::mnuAbout_Click << "yellow";
}

void tst_PagePresenter::colourAcrossPages()
{
    QFETCH(Procedure, after);
    QFETCH(QString, colour);

    CallLog log;
    RecordingMainView main(log);
    RecordingSplashView splash(log);
    PagePresenter presenter(main, splash);

    presenter.Form_Load();
    presenter.mnuGreetz_Click();
    QCOMPARE(colourName(main.colour), QStringLiteral("yellow"));
    (presenter.*after)();
    QCOMPARE(colourName(main.colour), colour);
}

void tst_PagePresenter::aboutLeavesPictureAndColour()
{
    CallLog log;
    RecordingMainView main(log);
    RecordingSplashView splash(log);
    PagePresenter presenter(main, splash);

    presenter.Command5_Click();
    // The text is already a single blank while the about window is up.
    std::string textDuringModal;
    splash.duringModal = [&] { textDuringModal = main.text; };
    presenter.cmdMorvane_Click();

    QCOMPARE(textDuringModal, std::string(" "));
    QCOMPARE(main.text, std::string(" "));
    QCOMPARE(main.picture, PictureSlot::picStep5);
    QCOMPARE(colourName(main.colour), QStringLiteral("lightcyan"));
}

void tst_PagePresenter::formLoadSetsColourOnlyAfterSplashCloses()
{
    CallLog log;
    RecordingMainView main(log);
    RecordingSplashView splash(log);
    PagePresenter presenter(main, splash);

    QString colourDuringModal;
    splash.duringModal = [&] { colourDuringModal = colourName(main.colour); };
    presenter.Form_Load();

    QCOMPARE(colourDuringModal, colourName(Rgb{}));
    QCOMPARE(colourName(main.colour), QStringLiteral("lightcyan"));
}

QTEST_APPLESS_MAIN(tst_PagePresenter)
#include "tst_pagepresenter.moc"
