#include "storedwindow.h"
#include "MainWindow.h"
#include "PageCatalogue.h"
#include "PictureStore.h"
#include "offscreenlimits.h"
#include "pagetext.h"
#include "splashprobe.h"
#include "textink.h"

#include <QtTest>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>

Q_DECLARE_METATYPE(PageId)

using namespace std::chrono_literals;

namespace {

// A top that a row of window positions works out from the window's height.
constexpr int CentredTop = -1;

// A short auto-close for the start-up splash, so that load() returns quickly.
constexpr auto QuickSplash = 10ms;

QImage grabbed(QWidget *widget, const QRect &area)
{
    return widget->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
}

int pixelsOfColour(const QImage &image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += (image.pixel(x, y) & 0xffffff) == (colour & 0xffffff);
    return count;
}

QString visibleText(QPlainTextEdit *edit)
{
    return edit->toPlainText();
}

} // namespace

class tst_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { m_offscreenLimits.install(); }
    void cleanupTestCase() { m_offscreenLimits.uninstall(); }
    void init();
    void cleanup();

    void windowFrame();
    void controlGeometry_data();
    void controlGeometry();
    void buttonCaptions();
    void tabOrder();
    void menus();
    void pictureButtonsShowTheirLogos();
    void startsOnIntroPicture();
    void showsPage_data();
    void showsPage();
    void greetingsThenStep3StaysYellow();
    void accessKeysOpenTheMenus_data();
    void accessKeysOpenTheMenus();
    void exitEndsTheRun();
    void closeBoxEndsTheRun();
    void aboutBlanksTextAndKeepsPicture();
    void longestTextWrapsAndCanBeReadToTheEnd();
    void textCanBeCopied();
    void textCannotBeChanged();
    void keyboardUse_data();
    void keyboardUse();
    void windowsOpenCentred_data();
    void windowsOpenCentred();

private:
    OffscreenLimitsFilter m_offscreenLimits;
    std::unique_ptr<Lesson> lesson;
    MainWindow *form = nullptr;
    template<typename T>
    T *child(const char *name)
    {
        return form->findChild<T *>(QLatin1String(name));
    }
};

void tst_MainWindow::init()
{
    lesson = std::make_unique<Lesson>(QuickSplash);
    startLesson(*lesson);
    form = builtMainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(form));
}

void tst_MainWindow::cleanup()
{
    lesson.reset();
    // No window outlives its test: not the splash, not a menu.
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_MainWindow::windowFrame()
{
    QCOMPARE(form->windowTitle(), QStringLiteral("Vantrel Tutorial No. 3"));
    QCOMPARE(form->centralWidget()->size(), QSize(581, 556));
    QCOMPARE(form->centralWidget()->geometry().top(), form->menuBar()->geometry().bottom() + 1);
    QCOMPARE(form->minimumSize(), form->maximumSize());
    QVERIFY(!(form->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(!form->windowIcon().isNull());
    QVERIFY(form->screen()->availableGeometry().contains(form->frameGeometry().topLeft()));
    // The client area is black where no control covers it, and the strip
    // navy above and below its buttons.
    const QImage client = grabbed(form->centralWidget(), QRect(0, 60, 100, 300));
    QCOMPARE(pixelsOfColour(client, qRgb(0, 0, 0)), client.width() * client.height());
    for (const QRect &strip : {QRect(0, 0, 581, 8), QRect(0, 44, 581, 5)}) {
        const QImage shown = grabbed(form->centralWidget(), strip);
        QCOMPARE(pixelsOfColour(shown, qRgb(0, 0, 128)), shown.width() * shown.height());
    }
}

void tst_MainWindow::controlGeometry_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry");

    QTest::newRow("titleStrip") << "titleStrip" << QRect(0, 0, 585, 49);
    QTest::newRow("aboutButton") << "aboutButton" << QRect(8, 8, 85, 35);
    QTest::newRow("introButton") << "introButton" << QRect(120, 8, 57, 35);
    QTest::newRow("stepButton1") << "stepButton1" << QRect(184, 8, 35, 35);
    QTest::newRow("stepButton2") << "stepButton2" << QRect(224, 8, 35, 35);
    QTest::newRow("stepButton3") << "stepButton3" << QRect(264, 8, 35, 35);
    QTest::newRow("stepButton4") << "stepButton4" << QRect(304, 8, 35, 35);
    QTest::newRow("stepButton5") << "stepButton5" << QRect(344, 9, 35, 35);
    QTest::newRow("stepButton6") << "stepButton6" << QRect(384, 8, 35, 35);
    QTest::newRow("stepButton7") << "stepButton7" << QRect(424, 8, 35, 35);
    QTest::newRow("greetingsButton") << "greetingsButton" << QRect(488, 8, 85, 36);
    QTest::newRow("pagePicture") << "pagePicture" << QRect(135, 93, 305, 305);
    QTest::newRow("pageText") << "pageText" << QRect(80, 400, 425, 145);
}

void tst_MainWindow::controlGeometry()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);

    QWidget *control = form->findChild<QWidget *>(name);
    QVERIFY(control);
    QVERIFY(control->isVisible());
    QCOMPARE(control->parentWidget(), form->centralWidget());
    QCOMPARE(control->geometry(), geometry);
}

void tst_MainWindow::buttonCaptions()
{
    QCOMPARE(child<QPushButton>("introButton")->text(), QStringLiteral("Intro"));
    for (int n = 1; n <= 7; ++n)
        QCOMPARE(form->findChild<QPushButton *>(QStringLiteral("stepButton%1").arg(n))->text(), QString::number(n));
    QVERIFY(child<QPushButton>("aboutButton")->text().isEmpty());
    QVERIFY(child<QPushButton>("greetingsButton")->text().isEmpty());

    // The buttons lie above the strip: a click at a button's centre reaches it.
    for (const char *name : {"aboutButton", "introButton", "stepButton5", "greetingsButton"}) {
        auto *button = child<QPushButton>(name);
        QCOMPARE(form->centralWidget()->childAt(button->geometry().center()), button);
    }
}

void tst_MainWindow::tabOrder()
{
    QStringList order;
    QWidget *start = child<QWidget>("introButton");
    QTRY_COMPARE(QApplication::focusWidget(), start);
    QWidget *w = start;
    do {
        if (w->focusPolicy() & Qt::TabFocus)
            order << w->objectName();
        w = w->nextInFocusChain();
    } while (w != start);

    QCOMPARE(order.join(u' '),
             QStringLiteral("introButton stepButton1 stepButton2 stepButton3 stepButton4 stepButton5 "
                            "stepButton6 stepButton7 pageText greetingsButton aboutButton"));
}

void tst_MainWindow::menus()
{
    const QList<QAction *> top = form->menuBar()->actions();
    QCOMPARE(top.size(), 2);
    QCOMPARE(top[0]->text(), QStringLiteral("&File"));
    QCOMPARE(top[0]->menu()->objectName(), QStringLiteral("fileMenu"));
    QCOMPARE(top[1]->text(), QStringLiteral("&Help"));
    QCOMPARE(top[1]->menu()->objectName(), QStringLiteral("helpMenu"));

    QStringList items;
    for (QAction *menu : top) {
        for (QAction *item : menu->menu()->actions()) {
            items << item->objectName() + u'=' + (item->isSeparator() ? QStringLiteral("-") : item->text());
            QVERIFY2(item->shortcut().isEmpty(), qPrintable(item->objectName()));
        }
    }
    QCOMPARE(items.join(u' '),
             QStringLiteral("exitAction=E&xit greetingsAction=&GreetZ helpSeparator=- aboutAction=&About"));
}

void tst_MainWindow::pictureButtonsShowTheirLogos()
{
    const struct {
        const char *button;
        PictureId logo;
    } rows[] = {
        {"aboutButton",     PictureId::picAuthorIcon},
        {"greetingsButton", PictureId::picGroupLogo },
    };
    for (const auto &row : rows) {
        auto *button = child<QPushButton>(row.button);
        const QImage logo = PictureStore::decode(row.logo).convertToFormat(QImage::Format_RGB32);
        // Centred on the face and unscaled: the logo's pixels stand somewhere
        // within a pixel or two of the centre.
        const QImage face = grabbed(button, button->rect());
        bool found = false;
        for (int dy = -2; dy <= 2 && !found; ++dy) {
            for (int dx = -2; dx <= 2 && !found; ++dx) {
                const QPoint at((face.width() - logo.width()) / 2 + dx, (face.height() - logo.height()) / 2 + dy);
                found = face.copy(QRect(at, logo.size())) == logo;
            }
        }
        QVERIFY2(found, row.button);
    }
}

void tst_MainWindow::startsOnIntroPicture()
{
    auto *text = child<QPlainTextEdit>("pageText");
    QVERIFY(visibleText(text).isEmpty());
    // Same pixels as the intro page shows later through its hidden holder.
    auto *picture = child<QLabel>("pagePicture");
    const QImage atStart = grabbed(picture, picture->contentsRect());
    child<QPushButton>("introButton")->click();
    QCOMPARE(grabbed(picture, picture->contentsRect()), atStart);
}

void tst_MainWindow::showsPage_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<PageId>("page");
    QTest::addColumn<QRgb>("colour");

    const QRgb cyan = qRgb(0, 255, 255);
    const QRgb yellow = qRgb(255, 255, 0);
    QTest::newRow("Intro") << "introButton" << PageId::Intro << cyan;
    QTest::newRow("1") << "stepButton1" << PageId::Step1 << cyan;
    QTest::newRow("2") << "stepButton2" << PageId::Step2 << cyan;
    QTest::newRow("3") << "stepButton3" << PageId::Step3 << cyan;
    QTest::newRow("4") << "stepButton4" << PageId::Step4 << cyan;
    QTest::newRow("5") << "stepButton5" << PageId::Step5 << cyan;
    QTest::newRow("6") << "stepButton6" << PageId::Step6 << cyan;
    QTest::newRow("7") << "stepButton7" << PageId::Step7 << cyan;
    QTest::newRow("group logo") << "greetingsButton" << PageId::Greetings << yellow;
    QTest::newRow("GreetZ") << "greetingsAction" << PageId::Greetings << yellow;
}

void tst_MainWindow::showsPage()
{
    QFETCH(QString, control);
    QFETCH(PageId, page);
    QFETCH(QRgb, colour);

    const auto showPage = [this, &control] {
        if (auto *button = form->findChild<QPushButton *>(control))
            QTest::mouseClick(button, Qt::LeftButton);
        else
            form->findChild<QAction *>(control)->trigger();
    };
    showPage();

    auto *picture = child<QLabel>("pagePicture");
    const qint64 shownFirst = picture->pixmap().cacheKey();
    const QImage expected =
        PictureStore::decode(PageCatalogue::page(page).picture).convertToFormat(QImage::Format_RGB32);
    const QRect inside = picture->contentsRect();
    QCOMPARE(grabbed(picture, QRect(inside.topLeft(), expected.size())), expected);
    // Whatever the picture leaves of the box stays black.
    const QImage below = grabbed(
        picture,
        QRect(inside.left(), inside.top() + expected.height(), inside.width(), inside.height() - expected.height()));
    QCOMPARE(pixelsOfColour(below, qRgb(0, 0, 0)), below.width() * below.height());

    auto *text = child<QPlainTextEdit>("pageText");
    QCOMPARE(visibleText(text), expectedText(page));
    const TextInk ink = textInk(text->viewport(), colour);
    QVERIFY2(ink.showsText(), qPrintable(ink.counts()));

    // Showing a page hands over a picture decoded when the window was made:
    // after another page, the same one again, not a fresh decoding.
    child<QPushButton>(page == PageId::Step7 ? "stepButton1" : "stepButton7")->click();
    showPage();
    QCOMPARE(picture->pixmap().cacheKey(), shownFirst);
}

void tst_MainWindow::greetingsThenStep3StaysYellow()
{
    auto *text = child<QPlainTextEdit>("pageText");
    child<QPushButton>("greetingsButton")->click();
    child<QPushButton>("stepButton3")->click();
    QCOMPARE(visibleText(text), expectedText(PageId::Step3));
    const TextInk ink = textInk(text->viewport(), qRgb(255, 255, 0));
    QVERIFY2(ink.showsText(), qPrintable(ink.counts()));
}

void tst_MainWindow::accessKeysOpenTheMenus_data()
{
    QTest::addColumn<Qt::Key>("menuKey");
    QTest::addColumn<Qt::Key>("itemKey");
    QTest::addColumn<QString>("textAfter");

    QTest::newRow("Alt+H G") << Qt::Key_H << Qt::Key_G << expectedText(PageId::Greetings);
    QTest::newRow("Alt+H A") << Qt::Key_H << Qt::Key_A << QStringLiteral(" ");
}

void tst_MainWindow::accessKeysOpenTheMenus()
{
    QFETCH(Qt::Key, menuKey);
    QFETCH(Qt::Key, itemKey);
    QFETCH(QString, textAfter);

    if (itemKey == Qt::Key_A)
        clickAwaySplashWhenUp();
    QTest::keyClick(form->windowHandle(), menuKey, Qt::AltModifier);
    QTRY_VERIFY2(qobject_cast<QMenu *>(QApplication::activePopupWidget()),
                 qPrintable(QKeySequence(Qt::ALT | menuKey).toString() + QStringLiteral(" opened no menu")));
    QTest::keyClick(QApplication::activePopupWidget(), itemKey);
    QTRY_COMPARE(visibleText(child<QPlainTextEdit>("pageText")), textAfter);
    QTRY_VERIFY(!QApplication::activePopupWidget());
}

namespace {

// Runs the event loop until the program ends it, as its own run would end;
// false if that takes more than five seconds.
bool runEndsWithinFiveSeconds()
{
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, qApp, [] { QCoreApplication::exit(1); });
    guard.start(5000);
    return QCoreApplication::exec() == 0;
}

} // namespace

void tst_MainWindow::exitEndsTheRun()
{
    // Exit leaves the event loop without closing anything first.
    bool closedFirst = false;
    QTimer::singleShot(0, form, [&] {
        QTest::keyClick(form->windowHandle(), Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY2(QApplication::activePopupWidget(), "Alt+F opened no menu");
        closedFirst = !form->isVisible();
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_X);
    });
    QVERIFY2(runEndsWithinFiveSeconds(), "File > Exit by its access key, X, did not end the run within 5 s");
    QVERIFY(!closedFirst);
}

void tst_MainWindow::closeBoxEndsTheRun()
{
    // A window that comes and goes as the main window closes takes back Qt's
    // own quit on the last window closed; the program still ends.
    QTimer::singleShot(0, form, [&] {
        form->windowHandle()->close();
        QWidget passing;
        passing.show();
        passing.hide();
    });
    QVERIFY2(runEndsWithinFiveSeconds(), "closing the main window did not end the run within 5 s");
    QVERIFY(!form->isVisible());
}

void tst_MainWindow::aboutBlanksTextAndKeepsPicture()
{
    child<QPushButton>("stepButton6")->click();
    auto *picture = child<QLabel>("pagePicture");
    const QImage step6 = grabbed(picture, picture->contentsRect());

    QString textWhileUp;
    whenSplashIsUp(
        [&](SplashCard *splash) {
            textWhileUp = visibleText(child<QPlainTextEdit>("pageText"));
            QTest::mouseClick(splash, Qt::LeftButton);
        },
        QStringLiteral("a click on it"));
    child<QPushButton>("aboutButton")->click();

    QCOMPARE(textWhileUp, QStringLiteral(" "));
    QCOMPARE(visibleText(child<QPlainTextEdit>("pageText")), QStringLiteral(" "));
    const TextInk ink = textInk(child<QPlainTextEdit>("pageText")->viewport(), qRgb(0, 255, 255));
    QVERIFY2(ink.showsNoText(), qPrintable(ink.counts()));
    QCOMPARE(grabbed(picture, picture->contentsRect()), step6);
}

void tst_MainWindow::longestTextWrapsAndCanBeReadToTheEnd()
{
    auto *text = child<QPlainTextEdit>("pageText");
    child<QPushButton>("stepButton7")->click();

    // No line runs past the right edge: every line of every block fits.
    const int width = text->viewport()->width();
    for (QTextBlock block = text->document()->begin(); block.isValid(); block = block.next()) {
        const QTextLayout *layout = block.layout();
        for (int i = 0; i < layout->lineCount(); ++i)
            QVERIFY(layout->lineAt(i).naturalTextWidth() <= width);
    }
    QTRY_VERIFY(text->verticalScrollBar()->isVisible());
    QVERIFY(!text->horizontalScrollBar()->isVisible());

    // The last words come into view at the end of the text: the whole last
    // line, drawn, inside the box. Not the scroll bar's end: QPlainTextEdit
    // counts a page a line short for some line heights (17 px on Debian 13),
    // and its last step then adds only blank space below the text.
    text->setFocus();
    QTest::keyClick(text, Qt::Key_End, Qt::ControlModifier);
    QTextCursor lastLine = text->textCursor();
    lastLine.movePosition(QTextCursor::StartOfLine);
    const QRect line = text->cursorRect(lastLine).united(text->cursorRect());
    QVERIFY(text->viewport()->rect().contains(line));
    const QImage words = grabbed(text->viewport(), line.adjusted(0, 0, -1, 0)); // without the caret
    QCOMPARE_GT(words.width() * words.height() - pixelsOfColour(words, qRgb(0, 0, 0)), 500);

    // A short page needs no scroll bar.
    child<QPushButton>("stepButton2")->click();
    QTRY_VERIFY(!text->verticalScrollBar()->isVisible());
}

void tst_MainWindow::textCanBeCopied()
{
    auto *text = child<QPlainTextEdit>("pageText");
    child<QPushButton>("stepButton4")->click();
    QTest::mouseClick(text->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
    QCOMPARE(QApplication::focusWidget(), text);
    QTest::keyClick(text, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(text, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), expectedText(PageId::Step4));
    // Typing changes nothing.
    QTest::keyClicks(text, "xyz");
    QCOMPARE(visibleText(text), expectedText(PageId::Step4));
}

void tst_MainWindow::textCannotBeChanged()
{
    auto *text = child<QPlainTextEdit>("pageText");
    child<QPushButton>("stepButton4")->click();
    // What a screen reader announces: a text to read, not one to edit.
    QVERIFY(QAccessible::queryAccessibleInterface(text)->state().readOnly);

    QGuiApplication::clipboard()->setText(QStringLiteral("pasted"));
    QTest::mouseClick(text->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
    QTest::keyClick(text, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(text, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(text, Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(text, Qt::Key_Delete);
    QMimeData dropped;
    dropped.setText(QStringLiteral("dropped"));
    QDragEnterEvent enter(QPoint(20, 10), Qt::CopyAction, &dropped, Qt::LeftButton, {});
    QApplication::sendEvent(text->viewport(), &enter);
    QDropEvent drop(QPointF(20, 10), Qt::CopyAction, &dropped, Qt::LeftButton, {});
    QApplication::sendEvent(text->viewport(), &drop);
    QCOMPARE(visibleText(text), expectedText(PageId::Step4));

    // The context menu offers to copy, and nothing that would change the text.
    QContextMenuEvent menuAsked(QContextMenuEvent::Mouse, QPoint(20, 10),
                                text->viewport()->mapToGlobal(QPoint(20, 10)));
    QApplication::sendEvent(text->viewport(), &menuAsked);
    QTRY_VERIFY(qobject_cast<QMenu *>(QApplication::activePopupWidget()));
    QStringList offered;
    for (QAction *item : QApplication::activePopupWidget()->actions())
        if (item->isVisible() && item->isEnabled() && !item->isSeparator())
            offered << item->text().remove(u'&').section(u'\t', 0, 0);
    QApplication::activePopupWidget()->close();
    QCOMPARE(offered, QStringList({QStringLiteral("Copy"), QStringLiteral("Select All")}));
}

void tst_MainWindow::keyboardUse_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("tabs");
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("textAfter");

    // Tab presses from the button that has the focus at start.
    QTest::newRow("Return on 7") << "stepButton7" << 7 << Qt::Key_Return << Qt::KeyboardModifiers()
                                 << expectedText(PageId::Step7);
    QTest::newRow("keypad Enter on 1") << "stepButton1" << 1 << Qt::Key_Enter
                                       << Qt::KeyboardModifiers(Qt::KeypadModifier) << expectedText(PageId::Step1);
    QTest::newRow("Space on the group logo")
        << "greetingsButton" << 9 << Qt::Key_Space << Qt::KeyboardModifiers() << expectedText(PageId::Greetings);
    QTest::newRow("text box") << "pageText" << 8 << Qt::Key_Return << Qt::KeyboardModifiers() << QString();
}

void tst_MainWindow::keyboardUse()
{
    QFETCH(QString, control);
    QFETCH(int, tabs);
    QFETCH(Qt::Key, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, textAfter);

    auto *target = form->findChild<QWidget *>(control);
    QWidget *client = form->centralWidget();
    // Two pixels all round, three pixels out from the control.
    const QRect ringOutside = target->geometry().adjusted(-3, -3, 3, 3);
    const QRegion ring = QRegion(ringOutside).subtracted(QRegion(ringOutside.adjusted(2, 2, -2, -2)));
    const auto ringPixels = [&] {
        const QImage image = grabbed(client, client->rect());
        QList<QRgb> pixels;
        for (const QRect &r : ring)
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    pixels << (image.pixel(x, y) & 0xffffff);
        return pixels;
    };
    const QList<QRgb> unfocused = ringPixels();
    QVERIFY(unfocused.count(0xffffff) < unfocused.size());

    // By keyboard the focus is plain to see.
    QTRY_VERIFY(QApplication::focusWidget());
    for (int i = 0; i < tabs; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), target);
    const QList<QRgb> focused = ringPixels();
    QCOMPARE(focused.count(0xffffff), focused.size());

    QTest::keyClick(target, key, modifiers);
    QCOMPARE(visibleText(child<QPlainTextEdit>("pageText")), textAfter);

    // Under the mouse the window looks as it always has.
    QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(QApplication::focusWidget(), target);
    QCOMPARE(ringPixels(), unfocused);
}

void tst_MainWindow::windowsOpenCentred_data()
{
    QTest::addColumn<int>("screen");
    QTest::addColumn<QPoint>("mainTopLeft");
    QTest::addColumn<QPoint>("cardTopLeft");

    // Frames' top-left corners; the small screen stands right of the large
    // one. The main window is placed before its frame is known, so it centres
    // as if it had none; its height holds the menu bar, 20 pixels high with
    // Qt 6.4 and 22 with Qt 6.8, so a centred top is worked out from it.
    QTest::newRow("1024x768: both centred") << 0 << QPoint(221, CentredTop) << QPoint(362, 184);
    QTest::newRow("640x480: main window's top kept on") << 1 << QPoint(1024 + 29, 0) << QPoint(1024 + 170, 40);
}

void tst_MainWindow::windowsOpenCentred()
{
    QFETCH(int, screen);
    QFETCH(QPoint, mainTopLeft);
    QFETCH(QPoint, cardTopLeft);

    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        QSKIP("the screens of known sizes are those of the offscreen platform");
    QCOMPARE(QGuiApplication::screens().size(), 2);
    QScreen *opensOn = QGuiApplication::screens().at(screen);
    // The main window is put on that screen as it is made.
    class PutOnScreen final : public QObject
    {
    public:
        QScreen *screen = nullptr;
        bool eventFilter(QObject *watched, QEvent *) override
        {
            if (auto *window = qobject_cast<MainWindow *>(watched); window && window->screen() != screen)
                window->setScreen(screen);
            return false;
        }
    } putOnScreen;
    putOnScreen.screen = opensOn;
    qApp->installEventFilter(&putOnScreen);
    lesson = std::make_unique<Lesson>(QuickSplash);
    startLesson(*lesson);
    qApp->removeEventFilter(&putOnScreen);
    form = builtMainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(form));
    if (mainTopLeft.y() == CentredTop)
        mainTopLeft.ry() = (form->screen()->availableGeometry().height() - form->height()) / 2;
    QCOMPARE(form->frameGeometry().topLeft(), mainTopLeft);

    // The card opens over its owner, on the owner's screen.
    QPoint cardAt;
    whenSplashIsUp(
        [&](SplashCard *splash) {
            cardAt = splash->frameGeometry().topLeft();
            QTest::mouseClick(splash, Qt::LeftButton);
        },
        QStringLiteral("a click on it"));
    child<QPushButton>("aboutButton")->click();
    QCOMPARE(cardAt, cardTopLeft);
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
