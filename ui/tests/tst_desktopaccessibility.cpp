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
    QTest::newRow("step picture") << "pagePicture" << QAccessible::Graphic << "Step picture"
                                  << "The picture of the page shown";
    QTest::newRow("step text") << "pageText" << QAccessible::EditableText << "Step instructions"
                               << "The instructions of the page shown";
    // Captioned buttons are named by their captions.
    QTest::newRow("intro button") << "introButton" << QAccessible::Button << "Intro"
                                  << "";
    QTest::newRow("step 7 button") << "stepButton7" << QAccessible::Button << "7"
                                   << "";
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

QTEST_MAIN(tst_DesktopAccessibility)
#include "tst_desktopaccessibility.moc"
