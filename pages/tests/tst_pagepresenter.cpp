#include "MainView.h"
#include "PagePresenter.h"
#include "PictureTable.h"
#include "SplashView.h"

#include <QtTest>

#include <functional>

namespace {

// Both fakes write into one log, so that the order of calls across the two
// windows shows.
class RecordingMainView final : public MainView
{
public:
    explicit RecordingMainView(QStringList &log)
        : m_log(log)
    {
    }

    void setPicture(PictureId id) override
    {
        m_log << QStringLiteral("setPicture(%1)").arg(QLatin1String(PictureTable[int(id)].file));
    }
    // A page text by its length, a short text as written.
    void setText(std::string_view latin1) override
    {
        const QLatin1String text(latin1.data(), qsizetype(latin1.size()));
        m_log << (text.size() > 8 ? QStringLiteral("setText(%1 chars)").arg(text.size())
                                  : QStringLiteral("setText(\"%1\")").arg(text));
    }
    void setTextColour(Rgb c) override
    {
        m_log << QStringLiteral("setTextColour(%1,%2,%3)").arg(c.red).arg(c.green).arg(c.blue);
    }
    void announcePage(std::string_view name) override
    {
        m_log << QStringLiteral("announcePage(%1)").arg(QLatin1String(name.data(), qsizetype(name.size())));
    }
    void endProgram() override { m_log << QStringLiteral("endProgram"); }

private:
    QStringList &m_log;
};

class RecordingSplashView final : public SplashView
{
public:
    explicit RecordingSplashView(QStringList &log)
        : m_log(log)
    {
    }

    void setTimerEnabled(bool enabled) override
    {
        m_log << QStringLiteral("setTimerEnabled(%1)").arg(enabled ? "true" : "false");
    }
    // Stands for the whole modal run: what comes after it in the log happens
    // once the window has closed.
    void showModal() override { m_log << QStringLiteral("showModal"); }

private:
    QStringList &m_log;
};

using Procedure = std::function<void(PagePresenter &)>;

Procedure show(PageId page)
{
    return [page](PagePresenter &presenter) { presenter.showPage(page); };
}

} // namespace

Q_DECLARE_METATYPE(Procedure)

class tst_PagePresenter final : public QObject
{
    Q_OBJECT

private slots:
    void procedure_data();
    void procedure();
};

void tst_PagePresenter::procedure_data()
{
    QTest::addColumn<Procedure>("procedure");
    QTest::addColumn<QStringList>("calls");

    const QString cyan = QStringLiteral("setTextColour(0,255,255)");
    const QString yellow = QStringLiteral("setTextColour(255,255,0)");
    const QString introPicture = QStringLiteral("setPicture(picIntro.jpg)");
    const QStringList greetings = {yellow, introPicture, "setText(460 chars)", "announcePage(Greetings)"};

    QTest::newRow("start") << Procedure(&PagePresenter::start) << QStringList{"showModal", cyan};
    QTest::newRow("Intro") << show(PageId::Intro)
                           << QStringList{cyan, introPicture, "setText(378 chars)", "announcePage(Intro)"};
    QTest::newRow("Step1") << show(PageId::Step1)
                           << QStringList{cyan, "setPicture(picStep1.jpg)", "setText(187 chars)",
                                          "announcePage(Step 1: an oval selection)"};
    QTest::newRow("Step2") << show(PageId::Step2)
                           << QStringList{cyan, "setPicture(picStep2.jpg)", "setText(103 chars)",
                                          "announcePage(Step 2: contract the selection)"};
    QTest::newRow("Step3 keeps the colour")
        << show(PageId::Step3)
        << QStringList{"setPicture(picStep3.jpg)", "setText(119 chars)", "announcePage(Step 3: cut the selection)"};
    QTest::newRow("Step4") << show(PageId::Step4)
                           << QStringList{cyan, "setPicture(picStep4.jpg)", "setText(394 chars)",
                                          "announcePage(Step 4: a line along the oval)"};
    QTest::newRow("Step5") << show(PageId::Step5)
                           << QStringList{cyan, "setPicture(picStep5.jpg)", "setText(389 chars)",
                                          "announcePage(Step 5: bevel and shadow)"};
    QTest::newRow("Step6") << show(PageId::Step6)
                           << QStringList{cyan, "setPicture(picStep6.jpg)", "setText(231 chars)",
                                          "announcePage(Step 6: interlock two links)"};
    QTest::newRow("Step7") << show(PageId::Step7)
                           << QStringList{cyan, "setPicture(picStep7.jpg)", "setText(878 chars)",
                                          "announcePage(Step 7: from gold to steel)"};
    QTest::newRow("Greetings") << Procedure(&PagePresenter::showGreetings) << greetings;
    QTest::newRow("Greetings then Step3 stays yellow") << Procedure([](PagePresenter &presenter) {
        presenter.showGreetings();
        presenter.showPage(PageId::Step3);
    })
                                                       << greetings
            + QStringList{"setPicture(picStep3.jpg)", "setText(119 chars)", "announcePage(Step 3: cut the selection)"};
    // The box is blank while the about window is up; picture and colour stay.
    QTest::newRow("About") << Procedure(&PagePresenter::showAbout)
                           << QStringList{"setText(\" \")", "setTimerEnabled(false)", "showModal"};
    QTest::newRow("Exit") << Procedure(&PagePresenter::exit) << QStringList{"endProgram"};
}

void tst_PagePresenter::procedure()
{
    QFETCH(Procedure, procedure);
    QFETCH(QStringList, calls);

    QStringList log;
    RecordingMainView main(log);
    RecordingSplashView splash(log);
    PagePresenter presenter(splash);
    presenter.setMainView(main);
    procedure(presenter);

    QCOMPARE(log, calls);
}

QTEST_APPLESS_MAIN(tst_PagePresenter)
#include "tst_pagepresenter.moc"
