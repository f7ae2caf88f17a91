#include "PageCatalogue.h"

#include <QtTest>

#include <algorithm>
#include <string>
#include <vector>

Q_DECLARE_METATYPE(PageId)
Q_DECLARE_METATYPE(PictureId)
Q_DECLARE_METATYPE(TextColourRule)

namespace {

int countRuns(const TutorialPage &page)
{
    return int(std::count_if(page.fragments.begin(), page.fragments.end(),
                             [](std::string_view piece) { return piece != CrLf; }));
}

int countLineBreaks(const TutorialPage &page)
{
    return int(page.fragments.size()) - countRuns(page);
}

bool startsWith(const std::string &text, const char *prefix)
{
    return text.starts_with(prefix);
}

// The page's pieces joined here, end to end.
std::string pageText(PageId id)
{
    std::string joined;
    for (std::string_view piece : PageCatalogue::page(id).fragments)
        joined += piece;
    return joined;
}

std::vector<TutorialPage> allPages()
{
    std::vector<TutorialPage> pages;
    for (int i = 0; i < PageCount; ++i)
        pages.push_back(PageCatalogue::page(PageId(i)));
    return pages;
}

} // namespace

class tst_PageCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void page_data();
    void page();
    void textsArePlainLatin1();
    void step4JoinsSemiTransparent();
    void step5EndsWithEmoticon();
    void greetingsLayout();
};

void tst_PageCatalogue::page_data()
{
    QTest::addColumn<PageId>("id");
    QTest::addColumn<PictureId>("picture");
    QTest::addColumn<int>("runs");
    QTest::addColumn<int>("lineBreaks");
    QTest::addColumn<int>("characters");
    QTest::addColumn<QString>("opening");
    QTest::addColumn<TextColourRule>("colour");

    using enum PageId;
    using enum PictureId;
    using enum TextColourRule;
    QTest::newRow("Intro") << Intro << picIntro << 7 << 0 << 378
                           << "MAKING CHAIN LINKS - Welcome to Tutorial No. 3!" << SetLightCyan;
    QTest::newRow("Step1") << Step1 << picStep1 << 3 << 0 << 187
                           << "Begin this lesson by making an oval selection on an empty layer " << SetLightCyan;
    QTest::newRow("Step2") << Step2 << picStep2 << 2 << 0 << 103
                           << "Now go to SELECT/MODIFIY/CONTRACT and contract by 14 pixels. " << SetLightCyan;
    QTest::newRow("Step3") << Step3 << picStep3 << 2 << 0 << 119
                           << "Now CUT the selection from the gold oval.  Hey, you've got an " << Keep;
    QTest::newRow("Step4") << Step4 << picStep4 << 6 << 0 << 394
                           << "Using the opacity slider on the layers menu, make the oval semi-" << SetLightCyan;
    QTest::newRow("Step5") << Step5 << picStep5 << 6 << 0 << 389
                           << "Use Eyecandy to apply an inner " << SetLightCyan;
    QTest::newRow("Step6") << Step6 << picStep6 << 4 << 0 << 231
                           << "Check this out! Duplicate the first link and interlock the two! " << SetLightCyan;
    QTest::newRow("Step7") << Step7 << picStep7 << 13 << 0 << 878
                           << "This illustration shows the typical progression of chain making. " << SetLightCyan;
    QTest::newRow("Greetings") << Greetings << picIntro << 7 << 2 << 460
                               << "Greetings" << SetYellow;
}

void tst_PageCatalogue::page()
{
    QFETCH(PageId, id);
    QFETCH(PictureId, picture);
    QFETCH(int, runs);
    QFETCH(int, lineBreaks);
    QFETCH(int, characters);
    QFETCH(QString, opening);
    QFETCH(TextColourRule, colour);

    const TutorialPage &page = PageCatalogue::page(id);
    QCOMPARE(page.id, id);
    QCOMPARE(page.picture, picture);
    QCOMPARE(page.colour, colour);
    QCOMPARE(countRuns(page), runs);
    QCOMPARE(countLineBreaks(page), lineBreaks);

    const std::string text = PageCatalogue::text(PageCatalogue::page(id));
    QCOMPARE(int(text.size()), characters);
    QVERIFY2(startsWith(text, opening.toLatin1().constData()), text.substr(0, 80).c_str());
    // Nothing but the pieces: no blank or break is added at a join.
    QCOMPARE(text, pageText(id));
}

void tst_PageCatalogue::textsArePlainLatin1()
{
    // The emoticon's thorn is the only character above ASCII; no mark-up and
    // no control characters but the greetings' line breaks.
    for (const TutorialPage &page : allPages()) {
        const std::string text = PageCatalogue::text(page);
        for (std::size_t i = 0; i < text.size(); ++i) {
            const unsigned char c = text[i];
            const bool lineBreak = text.compare(i, 2, "\r\n") == 0;
            if (lineBreak) {
                ++i;
                continue;
            }
            QVERIFY2((c >= 0x20 && c < 0x7f) || c == 0xDE,
                     qPrintable(QStringLiteral("page %1, offset %2").arg(int(page.id)).arg(i)));
        }
        QVERIFY(text.find('<') == std::string::npos);
        for (std::string_view piece : page.fragments)
            QVERIFY(!piece.empty());
    }
    // The intro, seven steps and the greetings.
    QCOMPARE(allPages().size(), 9);
}

void tst_PageCatalogue::step4JoinsSemiTransparent()
{
    const auto pieces = PageCatalogue::page(PageId::Step4).fragments;
    QVERIFY(pieces[0].ends_with("semi-"));
    QVERIFY(pieces[1].starts_with("transparent."));
    QVERIFY(pageText(PageId::Step4).find("semi-transparent.") != std::string::npos);
}

void tst_PageCatalogue::step5EndsWithEmoticon()
{
    QVERIFY(pageText(PageId::Step5).ends_with(":-\xDE "));
}

void tst_PageCatalogue::greetingsLayout()
{
    const std::string text = pageText(PageId::Greetings);
    const std::size_t emptyLine = text.find("\r\n\r\n");
    QVERIFY(emptyLine != std::string::npos);
    // The only line breaks are the two that make the empty line.
    QCOMPARE(text.find("\r\n", emptyLine + 4), std::string::npos);
    QCOMPARE(text.rfind("\r\n", emptyLine - 1), std::string::npos);
    QVERIFY(text.compare(emptyLine - 12, 12, std::string(12, ' ')) == 0);
    QVERIFY(text[emptyLine - 13] != ' ');
    // The credit line closes the text, with nothing after it.
    QVERIFY(text.size() > emptyLine + 4);
    QVERIFY(!text.ends_with("\n"));
    QVERIFY(!text.ends_with(" "));
    QVERIFY(text.find("Zarnok") < emptyLine);
    QCOMPARE(PageCatalogue::page(PageId::Greetings).picture, PageCatalogue::page(PageId::Intro).picture);
}

QTEST_APPLESS_MAIN(tst_PageCatalogue)
#include "tst_pagecatalogue.moc"
