#include "storedwindow.h"
#include "MainWindow.h"
#include "PictureStore.h"
#include "splashprobe.h"

#include <QtTest>

#include <QAccessible>
#include <QPushButton>

using namespace std::chrono_literals;

// What a screen reader finds on the main window.
class tst_DesktopAccessibility : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void namesAndDescriptions_data();
    void namesAndDescriptions();
    void everyButtonHasItsOwnName();
    void choosingAPageIsAnnounced_data();
    void choosingAPageIsAnnounced();

private:
    QAccessibleInterface *accessible(const QString &objectName) const;

    Lesson *lesson = nullptr;
    MainWindow *form = nullptr;
};

void tst_DesktopAccessibility::initTestCase()
{
    lesson = new Lesson(10ms);
    startLesson(*lesson);
    form = builtMainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(form));
}

void tst_DesktopAccessibility::cleanupTestCase()
{
    delete lesson;
}

QAccessibleInterface *tst_DesktopAccessibility::accessible(const QString &objectName) const
{
    QWidget *widget = form->findChild<QWidget *>(objectName);
    return widget ? QAccessible::queryAccessibleInterface(widget) : nullptr;
}

void tst_DesktopAccessibility::namesAndDescriptions_data()
{
    QTest::addColumn<QString>("objectName");
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");

    QTest::newRow("author's button") << "aboutButton" << QAccessible::Button << "Morvane"
                                     << "About this tutorial";
    QTest::newRow("group's button") << "greetingsButton" << QAccessible::Button << "Zarnok"
                                    << "Greetings";
    QTest::newRow("step picture")
        << "pagePicture" << QAccessible::Graphic << "Step picture"
        << "The Zarnok Graphics logo in pale blue and gold, in a silver frame of scrolls on black.";
    QTest::newRow("step text") << "pageText" << QAccessible::EditableText << "Step instructions"
                               << "No page shown; the buttons above choose one";
    // Captioned buttons are named by their captions.
    QTest::newRow("intro button") << "introButton" << QAccessible::Button << "Intro"
                                  << "";
    QTest::newRow("step 3 button") << "stepButton3" << QAccessible::Button << "3"
                                   << "Step 3: cut the selection";
    QTest::newRow("step 7 button") << "stepButton7" << QAccessible::Button << "7"
                                   << "Step 7: from gold to steel";
    // Decoration: passed over, not read out as an empty label.
    QTest::newRow("strip") << "titleStrip" << QAccessible::Client << ""
                           << "";
}

void tst_DesktopAccessibility::namesAndDescriptions()
{
    QFETCH(QString, objectName);
    QFETCH(QAccessible::Role, role);
    QFETCH(QString, name);
    QFETCH(QString, description);

    QAccessibleInterface *iface = accessible(objectName);
    QVERIFY(iface);
    QVERIFY(iface->isValid());
    QCOMPARE(iface->role(), role);
    QCOMPARE(iface->text(QAccessible::Name), name);
    QCOMPARE(iface->text(QAccessible::Description), description);
}

void tst_DesktopAccessibility::everyButtonHasItsOwnName()
{
    QStringList names;
    const QList<QPushButton *> buttons = form->findChildren<QPushButton *>();
    QCOMPARE(buttons.size(), 10);
    for (QPushButton *button : buttons) {
        const QString name = QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name);
        QVERIFY2(!name.isEmpty(), qPrintable(button->objectName()));
        QVERIFY2(!names.contains(name), qPrintable(name));
        names << name;
    }
}

// A screen reader hears the page chosen without moving its focus: a
// notification appears saying the page's name, its text and what its picture
// shows; the picture and the text box then say the same.
void tst_DesktopAccessibility::choosingAPageIsAnnounced_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("opening");
    QTest::addColumn<QString>("picture");

    QTest::newRow("step 3") << "stepButton3"
                            << "Step 3: cut the selection. Now CUT the selection from the gold oval."
                            << "A flat yellow ring on the checkerboard: the contracted selection cut out of the oval.";
    QTest::newRow("greetings") << "greetingsButton"
                               << "Greetings. Greetings go out to Valdor,"
                               << "The Zarnok Graphics logo in pale blue and gold, in a silver frame of scrolls on "
                                  "black.";
}

void tst_DesktopAccessibility::choosingAPageIsAnnounced()
{
    QFETCH(QString, button);
    QFETCH(QString, opening);
    QFETCH(QString, picture);

    // The notification: the one unseen widget a screen reader takes as one.
    QWidget *notification = nullptr;
    for (QWidget *widget : form->findChildren<QWidget *>()) {
        if (QAccessible::queryAccessibleInterface(widget)->role() == QAccessible::Notification)
            notification = widget;
    }
    QVERIFY(notification);
    // Qt tells the screen reader each time it shows.
    notification->hide();
    form->findChild<QPushButton *>(button)->click();
    QVERIFY(notification->isVisible());
    const QString said = QAccessible::queryAccessibleInterface(notification)->text(QAccessible::Name);
    QVERIFY2(said.startsWith(opening) && said.endsWith(QStringLiteral(" Picture: ") + picture), qPrintable(said));
    QCOMPARE(accessible(QStringLiteral("pagePicture"))->text(QAccessible::Description), picture);
    QCOMPARE(accessible(QStringLiteral("pageText"))->text(QAccessible::Description),
             opening.left(opening.indexOf(QStringLiteral(". "))));
}

QTEST_MAIN(tst_DesktopAccessibility)
#include "tst_desktopaccessibility.moc"
