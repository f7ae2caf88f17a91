#include "PageCatalogue.h"

#include <QtTest>

#include <algorithm>

Q_DECLARE_METATYPE(PageId)

// How each page's text reads. Its length and its picture are in
// tst_pagepresenter, where the pages are shown.
class tst_PageCatalogue final : public QObject
{
    Q_OBJECT

private slots:
    void text_data();
    void text();
};

void tst_PageCatalogue::text_data()
{
    QTest::addColumn<PageId>("page");
    QTest::addColumn<QByteArray>("opening");
    QTest::addColumn<QByteArray>("ending");
    QTest::addColumn<int>("lines");

    using enum PageId;
    QTest::newRow("Intro") << Intro << QByteArray("MAKING CHAIN LINKS - Welcome to Tutorial No. 3! This time")
                           << QByteArray("Photoshop and let's get to work.") << 1;
    QTest::newRow("Step1") << Step1 << QByteArray("Begin this lesson by making an oval selection")
                           << QByteArray("but it'll look like gold at the end!") << 1;
    QTest::newRow("Step2") << Step2 << QByteArray("Now go to SELECT/MODIFIY/CONTRACT and contract by 14 pixels.")
                           << QByteArray("Your selection now looks like the picture.") << 1;
    QTest::newRow("Step3") << Step3 << QByteArray("Now CUT the selection from the gold oval.  Hey,")
                           << QByteArray("That is the first link of your chain. Sweet!") << 1;
    QTest::newRow("Step4 joins semi-transparent")
        << Step4 << QByteArray("Using the opacity slider on the layers menu, make the oval semi-transparent. Now")
        << QByteArray("ring back to 100% opacity when you're done.") << 1;
    QTest::newRow("Step5 ends with a thorn and a blank")
        << Step5 << QByteArray("Use Eyecandy to apply an inner bevel to each link")
        << QByteArray("as if one link goes through the other! :-\xDE ") << 1;
    QTest::newRow("Step6") << Step6 << QByteArray("Check this out! Duplicate the first link")
                           << QByteArray("Hey Quillo, are you paying attention?") << 1;
    QTest::newRow("Step7") << Step7 << QByteArray("This illustration shows the typical progression of chain making.")
                           << QByteArray("icon on it to view it.") << 1;
    // The one empty line parts the dedication from the credit line, which
    // closes the text with no line break after it.
    QTest::newRow("Greetings") << Greetings << QByteArray("Greetings go out to Valdor, Ozzibal,")
                               << "only for bikes." + QByteArray(12, ' ')
            + "\r\n\r\nTutorial No. 3 - words, pictures and code by Morvane of Zarnok, 1998"
                               << 3;
}

void tst_PageCatalogue::text()
{
    QFETCH(PageId, page);
    QFETCH(QByteArray, opening);
    QFETCH(QByteArray, ending);
    QFETCH(int, lines);

    const QByteArray text = QByteArray::fromStdString(PageCatalogue::text(PageCatalogue::page(page)));
    QVERIFY2(text.startsWith(opening), text.left(opening.size()).constData());
    QVERIFY2(text.endsWith(ending), text.right(ending.size()).constData());
    QCOMPARE(text.count("\r\n"), lines - 1);
    // Apart from the line breaks, only characters that ISO 8859-1 and
    // Windows-1252 read alike: the text box shows them as written.
    const QByteArray characters = QByteArray(text).replace("\r\n", "");
    QVERIFY(std::ranges::all_of(characters, [](uchar c) { return (c >= 0x20 && c < 0x7f) || c >= 0xa0; }));
}

QTEST_APPLESS_MAIN(tst_PageCatalogue)
#include "tst_pagecatalogue.moc"
