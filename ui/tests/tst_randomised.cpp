#include "storedwindow.h"
#include "MainWindow.h"
#include "PageCatalogue.h"
#include "PictureStore.h"
#include "SplashCard.h"
#include "offscreenlimits.h"
#include "pagetext.h"
#include "splashprobe.h"
#include "textink.h"

#include <QtTest>

#include <QApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRandomGenerator>
#include <QWindow>

#include <deque>
#include <map>
#include <optional>
#include <utility>
#include <vector>

using namespace std::chrono_literals;

namespace {

// How a run of the main window ended, as QCoreApplication::exec() returns it.
constexpr int EndedByUser = 0; // "E&xit" or the close box
constexpr int BudgetSpent = 3; // the test had sent all the events it meant to
constexpr int GaveUp = 4; // a check failed; the test unwound the run

// A start-up splash is either left alone until its timer runs out, or dealt
// with by events while a timer far too long to race them runs.
constexpr auto TimedSplash = 30ms;
constexpr auto UntimedSplash = 60s;

// How long a settled state may take to arrive, e.g. a timer running out.
// Under Wine each hidden window waits for the window manager's word, which a
// busy machine delays: its harness allows more there.
const qint64 SettleLimitMs = qEnvironmentVariableIsSet("VANTREL_SETTLE_LIMIT_MS")
    ? qEnvironmentVariableIntValue("VANTREL_SETTLE_LIMIT_MS")
    : 5000;

constexpr QRgb CyanInk = qRgb(0, 255, 255);
constexpr QRgb YellowInk = qRgb(255, 255, 0);

// The rules, restated as small as they go: what the windows show after each
// event, and which events change it.
struct Model {
    enum class Splash { None, StartUp, About };

    Splash splash = Splash::StartUp;
    bool shown = false; // start has finished and the main window is up
    bool closed = false; // the close box closed the main window
    PictureId picture = PictureId::picIntro;
    std::optional<PageId> page; // the page whose text pageText shows
    bool blank = false; // pageText shows the single blank of the about commands
    QRgb colour = 0; // meaningful once shown

    void showPage(PageId id)
    {
        if (id == PageId::Greetings)
            colour = YellowInk;
        else if (id != PageId::Step3)
            colour = CyanInk;
        picture = pictureOf(id);
        page = id;
        blank = false;
    }

    void openAbout()
    {
        page.reset();
        blank = true;
        splash = Splash::About;
    }

    void splashClosed()
    {
        if (splash == Splash::StartUp) {
            shown = true;
            colour = CyanInk;
        }
        splash = Splash::None;
    }

    QString text() const { return page ? expectedText(*page) : blank ? QStringLiteral(" ") : QString(); }

    static PictureId pictureOf(PageId id)
    {
        switch (id) {
        case PageId::Intro:
        case PageId::Greetings: return PictureId::picIntro;
        default: return PictureId(int(PictureId::picStep1) + int(id) - int(PageId::Step1));
        }
    }
};

struct ButtonRow {
    const char *name;
    std::optional<PageId> page; // none: the author's button, which opens About
};

constexpr ButtonRow Buttons[] = {
    {"introButton",     PageId::Intro    },
    {"stepButton1",     PageId::Step1    },
    {"stepButton2",     PageId::Step2    },
    {"stepButton3",     PageId::Step3    },
    {"stepButton4",     PageId::Step4    },
    {"stepButton5",     PageId::Step5    },
    {"stepButton6",     PageId::Step6    },
    {"stepButton7",     PageId::Step7    },
    {"greetingsButton", PageId::Greetings},
    {"aboutButton",     std::nullopt     },
};

enum class Item { Exit, GreetZ, About };

struct MenuRow {
    const char *menu;
    const char *item;
    Qt::Key menuKey;
    Qt::Key itemKey;
    Item what;
    int weight; // Exit ends the run, so it comes up rarely
};

constexpr MenuRow MenuItems[] = {
    {"fileMenu", "exitAction",      Qt::Key_F, Qt::Key_X, Item::Exit,   1 },
    {"helpMenu", "greetingsAction", Qt::Key_H, Qt::Key_G, Item::GreetZ, 12},
    {"helpMenu", "aboutAction",     Qt::Key_H, Qt::Key_A, Item::About,  12},
};

// Keys for the main window that only a modal splash keeps from acting.
constexpr Qt::Key MainWindowKeys[] = {Qt::Key_Space, Qt::Key_Return, Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Right};

// Keys that a person might press on the splash card; the first three close it
// as a click does.
constexpr Qt::Key SplashKeys[] = {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Space, Qt::Key_A, Qt::Key_F4};
constexpr int SplashClosingKeys = 3;

// The count of textInk(), leaving out the caret: a click in the box gives it a
// caret that inverts what lies under it, white on the black box, whatever the
// text colour.
TextInk textInkBesideCaret(QPlainTextEdit *text, QRgb colour)
{
    const QRect caret = text->hasFocus() ? text->cursorRect().adjusted(-1, -1, 1, 1) : QRect();
    return textInk(text->viewport(), colour, caret);
}

// The pixels pagePicture shows inside its frame for each picture it can show:
// the picture unscaled at the top left, black wherever it does not reach.
class PictureOracle final
{
public:
    explicit PictureOracle(QSize inside)
    {
        for (int n = int(PictureId::picIntro); n <= int(PictureId::picStep7); ++n) {
            QImage expected(inside, QImage::Format_RGB32);
            expected.fill(Qt::black);
            QPainter(&expected).drawImage(0, 0, PictureStore::decode(PictureId(n)));
            m_expected.emplace(PictureId(n), expected);
        }
    }

    // Which picture the pixels are, if any.
    std::optional<PictureId> recognise(const QImage &shown) const
    {
        for (const auto &[id, image] : m_expected) {
            if (shown == image)
                return id;
        }
        return std::nullopt;
    }

private:
    std::map<PictureId, QImage> m_expected;
};

// Sends the events of one seed, one a turn, from wherever the event loop
// happens to be (inside the modal wait of a splash or not), and compares the
// windows with the model once everything an event set off has finished.
class EventDriver final : public QObject
{
public:
    explicit EventDriver(quint32 seed)
        : m_seed(seed)
        , m_random(seed)
    {
        m_endWatch.setSingleShot(true);
        // The turns run nested inside the processEvents() of Qt Test's key and
        // mouse helpers. On Windows a nested processEvents() takes the wake-up
        // that exit() leaves for the outermost loop, which then sleeps with
        // its exit flag set and nothing to wake it (seen under Wine on a busy
        // machine: the close box's exit(0) called, the loop asleep for 20 s).
        // A tick wakes it to look at the flag; the run still ends only if the
        // program asked for the end.
        m_endTick.setInterval(50);
        connect(&m_endWatch, &QTimer::timeout, this, [this] {
            // What stays on the screen is what keeps the run going.
            QStringList visible;
            for (const QWidget *w : QApplication::topLevelWidgets()) {
                if (w->isVisible())
                    visible << QStringLiteral("%1 \"%2\"")
                                   .arg(QLatin1String(w->metaObject()->className()), w->objectName());
            }
            fail(QStringLiteral("%1 did not end the run within %2 ms; visible: %3; the main window %4")
                     .arg(m_endingEvent)
                     .arg(SettleLimitMs)
                     .arg(visible.isEmpty() ? QStringLiteral("nothing") : visible.join(QStringLiteral(", ")),
                          m_closedAt.isValid() ? QStringLiteral("said it closed %1 ms ago").arg(m_closedAt.elapsed())
                                               : QStringLiteral("never said it closed")));
        });
    }

    int eventsSent() const { return m_sent; }
    const QString &failure() const { return m_failure; }

    // One life of the main window: made, loaded, used, ended.
    void playRun(int budget);

private:
    enum class End { Budget, Exit, CloseBox };

    void turn();
    bool settled();
    bool matchesModel();
    void sendOne();
    void next() { QTimer::singleShot(0, this, &EventDriver::turn); }
    int pick(int n) { return int(m_random.bounded(quint32(n))); }
    QPoint somewhereIn(const QRect &r) { return {r.left() + pick(r.width()), r.top() + pick(r.height())}; }
    void note(const QString &event);
    void fail(const QString &why);

    void clickButton(const ButtonRow &row);
    void useMenu(const MenuRow &row, bool byMouse);
    void pressMenuKey(const MenuRow &row, QDeadlineTimer deadline);
    void chooseWhenOpen(const MenuRow &row, bool byMouse, QDeadlineTimer deadline);
    void clickWithoutProcedure();
    void closeMainWindow();
    void expectRunToEnd(const QString &event);

    SplashCard *splashWindow() const { return m_lesson ? liveSplash() : nullptr; }
    QWindow *mainWindow() const { return m_form->windowHandle(); }
    template<typename T>
    T *child(const char *name) const
    {
        return m_form->findChild<T *>(QLatin1String(name));
    }

    const quint32 m_seed;
    QRandomGenerator m_random;
    Lesson *m_lesson = nullptr;
    MainWindow *m_form = nullptr;
    std::optional<PictureOracle> m_pictures;
    Model m_model;
    bool m_timedStartUp = false;
    bool m_loading = false; // load() has not returned yet
    bool m_aboutPending = false; // a procedure that opened About has not returned yet
    bool m_runOver = false;
    bool m_reactivating = false;
    End m_end = End::Budget;
    int m_budget = 0;
    int m_sentThisRun = 0;
    int m_sent = 0;
    int m_run = 0;
    QElapsedTimer m_settling;
    QTimer m_endWatch; // an event that ends the run must end it soon
    QTimer m_endTick;
    QElapsedTimer m_closedAt; // since MainWindow::closed, which ends the run
    QString m_endingEvent;
    std::deque<QString> m_recent;
    QString m_failure;
};

void EventDriver::playRun(int budget)
{
    ++m_run;
    m_budget = budget;
    m_sentThisRun = 0;
    m_runOver = false;
    m_end = End::Budget;
    m_model = Model();
    m_timedStartUp = pick(3) == 0;
    note(m_timedStartUp ? QStringLiteral("new main window, start-up splash left to run out")
                        : QStringLiteral("new main window"));

    Lesson lesson(m_timedStartUp ? TimedSplash : UntimedSplash);
    m_lesson = &lesson;

    next();
    m_loading = true;
    lesson.load();
    m_loading = false;

    const int exitCode = m_failure.isEmpty() ? QCoreApplication::exec() : GaveUp;
    m_endWatch.stop();
    m_endTick.stop();
    m_closedAt.invalidate();

    if (m_failure.isEmpty()) {
        const int expected = m_end == End::Budget ? BudgetSpent : EndedByUser;
        if (exitCode != expected)
            fail(QStringLiteral("the run ended with %1, not %2").arg(exitCode).arg(expected));
        // Exit closes nothing before the run ends; the close box closes the window.
        else if (m_form->isVisible() != (m_end != End::CloseBox))
            fail(QStringLiteral("the main window is %1 after the run ended")
                     .arg(m_form->isVisible() ? QStringLiteral("visible") : QStringLiteral("hidden")));
    }
    if (m_failure.isEmpty()) {
        QWidgetList visible;
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (qobject_cast<SplashCard *>(w))
                fail(QStringLiteral("a splash window object outlived the run"));
            if (w->isVisible())
                visible << w;
        }
        const QWidgetList expected = m_end == End::CloseBox ? QWidgetList() : QWidgetList{m_form};
        if (m_failure.isEmpty() && visible != expected)
            fail(QStringLiteral("%1 top-level windows are up at the end of the run").arg(visible.size()));
    }
    m_lesson = nullptr;
    m_form = nullptr;
}

void EventDriver::turn()
{
    if (m_runOver || !m_failure.isEmpty())
        return;
    if (!settled()) {
        if (!m_settling.isValid())
            m_settling.start();
        if (m_settling.elapsed() > SettleLimitMs) {
            QWidget *modal = QApplication::activeModalWidget();
            fail(QStringLiteral("the windows did not settle within %1 ms: splash window %2, modal window %3, "
                                "waits under way: start-up %4, About %5")
                     .arg(SettleLimitMs)
                     .arg(splashWindow() ? "exists" : "gone", modal ? modal->metaObject()->className() : "none",
                          m_loading ? "yes" : "no", m_aboutPending ? "yes" : "no"));
            return;
        }
        // Give the event that is under way, a timer or an unwinding wait, time to finish.
        QTimer::singleShot(1, this, &EventDriver::turn);
        return;
    }
    m_settling.invalidate();
    if (!matchesModel())
        return;

    if (m_sentThisRun >= m_budget && m_model.splash == Model::Splash::None) {
        m_runOver = true;
        QCoreApplication::exit(BudgetSpent);
        return;
    }
    sendOne();
}

// Everything the last event set off has finished: a splash that the model
// says is up is up, and one that it says has closed has ended its wait.
bool EventDriver::settled()
{
    // The main window is built once the start-up splash has painted, or
    // once it has closed if that comes first.
    if (!m_form && (m_form = builtMainWindow())) {
        if (!m_pictures)
            m_pictures.emplace(child<QLabel>("pagePicture")->contentsRect().size());
        connect(m_form, &MainWindow::closed, this, [this] { m_closedAt.start(); });
    }
    SplashCard *splash = splashWindow();
    if (m_model.splash == Model::Splash::None) {
        if (splash || m_loading || m_aboutPending || QApplication::activeModalWidget())
            return false;
        // A window manager gives the focus back to the main window when the
        // splash goes; the offscreen platform has none, so the test does it.
        if (m_model.shown && !m_model.closed && QGuiApplication::focusWindow() != mainWindow()) {
            m_form->activateWindow();
            return false;
        }
        return true;
    }
    return splash && splash->isVisible() && QApplication::activeModalWidget() == splash;
}

bool EventDriver::matchesModel()
{
    SplashCard *splash = splashWindow();
    if (splash) {
        if (splash->windowModality() != Qt::ApplicationModal) {
            fail(QStringLiteral("the splash window is not modal"));
            return false;
        }
        const bool timerShouldRun = m_model.splash == Model::Splash::StartUp;
        if (splash->closeTimer().isActive() != timerShouldRun) {
            fail(QStringLiteral("the splash timer is %1").arg(timerShouldRun ? "stopped" : "running"));
            return false;
        }
    }
    if (QApplication::activePopupWidget()) {
        fail(QStringLiteral("a menu is still open"));
        return false;
    }
    if ((m_form && m_form->isVisible()) != m_model.shown) {
        fail(QStringLiteral("the main window is %1").arg(m_model.shown ? "hidden" : "visible"));
        return false;
    }
    int visibleWindows = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        visibleWindows += w->isVisible();
    if (visibleWindows != int(m_model.shown) + int(bool(splash))) {
        fail(QStringLiteral("%1 top-level windows are visible").arg(visibleWindows));
        return false;
    }
    // Not built yet: nothing of it is on the screen to compare.
    if (!m_form)
        return true;

    auto *picture = child<QLabel>("pagePicture");
    const QImage shown = picture->grab(picture->contentsRect()).toImage().convertToFormat(QImage::Format_RGB32);
    const std::optional<PictureId> seen = m_pictures->recognise(shown);
    if (seen != m_model.picture) {
        fail(QStringLiteral("pagePicture shows %1 instead of picture %2")
                 .arg(seen ? QStringLiteral("picture %1").arg(int(*seen)) : QStringLiteral("something else"))
                 .arg(int(m_model.picture)));
        return false;
    }

    auto *text = child<QPlainTextEdit>("pageText");
    if (text->toPlainText() != m_model.text()) {
        fail(QStringLiteral("pageText holds \"%1\"").arg(text->toPlainText().left(40)));
        return false;
    }
    // Before start has finished no one sees the text box, which is empty.
    if (m_model.shown) {
        const TextInk ink = textInkBesideCaret(text, m_model.colour);
        if (!(m_model.page ? ink.showsText() : ink.showsNoText())) {
            fail(QStringLiteral("pageText's ink in #%1 %2")
                     .arg(m_model.colour & 0xffffff, 6, 16, QLatin1Char('0'))
                     .arg(ink.counts()));
            return false;
        }
    }
    return true;
}

void EventDriver::sendOne()
{
    ++m_sent;
    ++m_sentThisRun;

    // A timed start-up splash is left alone, so that its timer and nothing
    // else closes it, and the events that follow do not hang on timing.
    if (m_model.splash == Model::Splash::StartUp && m_timedStartUp) {
        note(QStringLiteral("wait for the start-up splash to run out"));
        m_model.splashClosed();
        next();
        return;
    }

    // While a splash is up, events for the main window are blocked; during
    // start-up that window has not been shown yet and cannot be reached.
    const bool mainWindowReachable = m_model.shown;
    const bool splashUp = m_model.splash != Model::Splash::None;

    enum Kind {
        Button,
        MenuByMouse,
        MenuByKey,
        ClickElsewhere,
        KeyOnBlockedMain,
        ClickSplash,
        KeyOnSplash,
        CloseSplash,
        CloseBox
    };
    std::vector<std::pair<Kind, int>> kinds;
    if (mainWindowReachable) {
        kinds.insert(kinds.end(),
                     {
                         {Button,         120},
                         {MenuByMouse,    30 },
                         {MenuByKey,      30 },
                         {ClickElsewhere, 20 }
        });
        if (splashUp)
            kinds.push_back({KeyOnBlockedMain, 20});
        else
            kinds.push_back({CloseBox, 2});
    }
    if (splashUp)
        kinds.insert(kinds.end(),
                     {
                         {ClickSplash, 80},
                         {KeyOnSplash, 30},
                         {CloseSplash, 20}
        });

    int total = 0;
    for (const auto &k : kinds)
        total += k.second;
    int roll = pick(total);
    Kind kind = kinds.front().first;
    for (const auto &k : kinds) {
        if (roll < k.second) {
            kind = k.first;
            break;
        }
        roll -= k.second;
    }

    switch (kind) {
    case Button: clickButton(Buttons[pick(int(std::size(Buttons)))]); break;
    case MenuByMouse:
    case MenuByKey: {
        int weights = 0;
        for (const MenuRow &row : MenuItems)
            weights += row.weight;
        int w = pick(weights);
        const MenuRow *row = MenuItems;
        while (w >= row->weight)
            w -= (row++)->weight;
        useMenu(*row, kind == MenuByMouse);
        break;
    }
    case ClickElsewhere: clickWithoutProcedure(); break;
    case KeyOnBlockedMain: {
        // Keys that would press the focused button or move the focus, if
        // they got through.
        const Qt::Key key = MainWindowKeys[pick(int(std::size(MainWindowKeys)))];
        note(QStringLiteral("key %1 on the main window (blocked)").arg(QKeySequence(key).toString()));
        next();
        QTest::keyClick(mainWindow(), key);
        break;
    }
    case ClickSplash: {
        SplashCard *splash = splashWindow();
        const QPoint at = somewhereIn(splash->rect());
        note(QStringLiteral("click the splash at %1,%2").arg(at.x()).arg(at.y()));
        m_model.splashClosed();
        next();
        QTest::mouseClick(splash->windowHandle(), Qt::LeftButton, {}, at);
        break;
    }
    case KeyOnSplash: {
        const int which = pick(int(std::size(SplashKeys)));
        const Qt::Key key = SplashKeys[which];
        const Qt::KeyboardModifiers modifiers = key == Qt::Key_F4 ? Qt::AltModifier : Qt::NoModifier;
        note(QStringLiteral("key %1 on the splash").arg(QKeySequence(key | modifiers).toString()));
        if (which < SplashClosingKeys)
            m_model.splashClosed();
        next();
        QTest::keyClick(splashWindow()->windowHandle(), key, modifiers);
        break;
    }
    case CloseSplash:
        note(QStringLiteral("close request on the splash"));
        m_model.splashClosed();
        next();
        splashWindow()->windowHandle()->close();
        break;
    case CloseBox: closeMainWindow(); break;
    }
}

void EventDriver::clickButton(const ButtonRow &row)
{
    auto *button = child<QPushButton>(row.name);
    const QPoint at = button->mapTo(m_form, somewhereIn(button->rect().adjusted(3, 3, -3, -3)));
    const bool blocked = m_model.splash != Model::Splash::None;
    note(QStringLiteral("click %1%2").arg(QLatin1String(row.name), blocked ? QStringLiteral(" (blocked)") : QString()));

    const bool opensAbout = !blocked && !row.page;
    if (!blocked) {
        if (row.page)
            m_model.showPage(*row.page);
        else
            m_model.openAbout();
    }
    m_aboutPending = m_aboutPending || opensAbout;
    next();
    // Through the window, as a person clicks: a modal splash blocks it there.
    QTest::mouseClick(mainWindow(), Qt::LeftButton, {}, at);
    if (opensAbout)
        m_aboutPending = false;
}

void EventDriver::useMenu(const MenuRow &row, bool byMouse)
{
    auto *menu = child<QMenu>(row.menu);
    const bool blocked = m_model.splash != Model::Splash::None;
    note(QStringLiteral("%1 %2%3").arg(byMouse ? QStringLiteral("menu by mouse:") : QStringLiteral("menu by keys:"),
                                       QLatin1String(row.item), blocked ? QStringLiteral(" (blocked)") : QString()));

    if (byMouse) {
        QMenuBar *bar = m_form->menuBar();
        QTest::mouseClick(mainWindow(), Qt::LeftButton, {},
                          bar->mapTo(m_form, bar->actionGeometry(menu->menuAction()).center()));
    } else if (!blocked) {
        pressMenuKey(row, QDeadlineTimer(SettleLimitMs));
        return;
    } else {
        QTest::keyClick(mainWindow(), row.menuKey, Qt::AltModifier);
    }
    if (blocked) {
        if (QApplication::activePopupWidget())
            fail(QStringLiteral("a menu opened over the modal splash"));
        else
            next();
        return;
    }
    // Under Wine the menu opens through the window system, which a busy
    // machine delays.
    chooseWhenOpen(row, byMouse, QDeadlineTimer(SettleLimitMs));
}

void EventDriver::pressMenuKey(const MenuRow &row, QDeadlineTimer deadline)
{
    if (m_runOver || !m_failure.isEmpty())
        return;
    // A window system gives keys to the active window only, and Alt+key
    // opens a menu only there. Under Wine a busy window manager can take the
    // activation away after the test saw it settled; a key sent then is one
    // that no person could have sent, so the test activates the window again
    // and says so.
    if (QApplication::activeWindow() != m_form) {
        if (deadline.hasExpired()) {
            fail(QStringLiteral("the main window did not become active again within %1 ms").arg(SettleLimitMs));
            return;
        }
        if (!m_reactivating) {
            qWarning("run %d, event %d: the main window lost activation to the window system before Alt+%c; "
                     "activating it again before sending it",
                     m_run, m_sentThisRun, char(row.menuKey));
            m_reactivating = true;
        }
        m_form->activateWindow();
        QTimer::singleShot(10, this, [this, &row, deadline] { pressMenuKey(row, deadline); });
        return;
    }
    m_reactivating = false;
    QTest::keyClick(mainWindow(), row.menuKey, Qt::AltModifier);
    chooseWhenOpen(row, false, QDeadlineTimer(SettleLimitMs));
}

void EventDriver::chooseWhenOpen(const MenuRow &row, bool byMouse, QDeadlineTimer deadline)
{
    if (m_runOver || !m_failure.isEmpty())
        return;
    auto *menu = child<QMenu>(row.menu);
    QAction *item = child<QAction>(row.item);
    if (QApplication::activePopupWidget() != menu) {
        if (deadline.hasExpired())
            fail(QStringLiteral("%1 did not open within %2 ms").arg(QLatin1String(row.menu)).arg(SettleLimitMs));
        else
            QTimer::singleShot(1, this, [this, &row, byMouse, deadline] { chooseWhenOpen(row, byMouse, deadline); });
        return;
    }

    bool opensAbout = false;
    switch (row.what) {
    case Item::Exit:
        m_end = End::Exit;
        m_runOver = true;
        expectRunToEnd(QStringLiteral("%1 %2").arg(byMouse ? "a click on" : "the access key of", item->text()));
        break;
    case Item::GreetZ: m_model.showPage(PageId::Greetings); break;
    case Item::About:
        m_model.openAbout();
        opensAbout = true;
        break;
    }
    m_aboutPending = m_aboutPending || opensAbout;
    if (!m_runOver)
        next();
    if (byMouse)
        QTest::mouseClick(menu->windowHandle(), Qt::LeftButton, {}, menu->actionGeometry(item).center());
    else
        QTest::keyClick(menu->windowHandle(), row.itemKey);
    if (opensAbout)
        m_aboutPending = false;
}

void EventDriver::clickWithoutProcedure()
{
    // Controls with no click procedure: the toolkit may move the focus or the
    // caret, and nothing else changes.
    const char *const names[] = {"pagePicture", "titleStrip", "pageText"};
    const char *name = names[pick(int(std::size(names)))];
    auto *target = child<QWidget>(name);
    QRect area = target->rect();
    if (qstrcmp(name, "titleStrip") == 0)
        area = QRect(94, 0, 25, 49); // the strip between the author's button and Intro
    const QPoint at = target->mapTo(m_form, somewhereIn(area));
    note(QStringLiteral("click %1 at %2,%3").arg(QLatin1String(name)).arg(at.x()).arg(at.y()));
    next();
    QTest::mouseClick(mainWindow(), Qt::LeftButton, {}, at);
}

void EventDriver::closeMainWindow()
{
    note(QStringLiteral("close box of the main window"));
    m_end = End::CloseBox;
    m_runOver = true;
    m_model.shown = false;
    m_model.closed = true;
    expectRunToEnd(QStringLiteral("the close box"));
    mainWindow()->close();
}

void EventDriver::expectRunToEnd(const QString &event)
{
    m_endingEvent = event;
    m_endWatch.start(SettleLimitMs);
    m_endTick.start();
}

void EventDriver::note(const QString &event)
{
    m_recent.push_back(QStringLiteral("  %1.%2 %3").arg(m_run).arg(m_sentThisRun).arg(event));
    if (m_recent.size() > 12)
        m_recent.pop_front();
}

void EventDriver::fail(const QString &why)
{
    if (!m_failure.isEmpty())
        return;
    QStringList lines;
    lines << QStringLiteral("seed %1 (VANTREL_SEED=%1 repeats it), run %2, event %3: %4")
                 .arg(m_seed)
                 .arg(m_run)
                 .arg(m_sentThisRun)
                 .arg(why)
          << QStringLiteral("the last events, run.event:");
    lines.append(QStringList(m_recent.begin(), m_recent.end()));
    m_failure = lines.join(u'\n');

    // Unwind: end any modal wait, then the run.
    if (SplashCard *splash = splashWindow())
        splash->close();
    if (!m_loading)
        QCoreApplication::exit(GaveUp);
}

} // namespace

class tst_Randomised : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();

    void eventsInRandomOrder_data();
    void eventsInRandomOrder();

private:
    OffscreenLimitsFilter m_offscreenLimits;
};

void tst_Randomised::initTestCase()
{
    m_offscreenLimits.install();
}

void tst_Randomised::cleanupTestCase()
{
    m_offscreenLimits.uninstall();
}

void tst_Randomised::cleanup()
{
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_Randomised::eventsInRandomOrder_data()
{
    QTest::addColumn<quint32>("seed");
    QTest::addColumn<int>("events");

    // A failure names its seed; VANTREL_SEED=n plays that seed alone.
    bool ok = false;
    const quint32 chosen = qEnvironmentVariable("VANTREL_SEED").toUInt(&ok);
    if (ok) {
        QTest::addRow("seed %u", chosen) << chosen << 2000;
        return;
    }
    for (const quint32 seed : {20240603u, 1u, 2u, 3u})
        QTest::addRow("seed %u", seed) << seed << 1000;
}

void tst_Randomised::eventsInRandomOrder()
{
    QFETCH(quint32, seed);
    QFETCH(int, events);

    EventDriver driver(seed);
    QRandomGenerator lengths(~seed);
    while (driver.eventsSent() < events && driver.failure().isEmpty()) {
        // Mostly short lives of the main window, some long.
        const int budget = lengths.bounded(8) == 0 ? 400 : 20 + int(lengths.bounded(100u));
        driver.playRun(qMin(budget, events - driver.eventsSent()));
        QVERIFY2(driver.failure().isEmpty(), qPrintable(driver.failure()));
        QTRY_VERIFY2(QApplication::topLevelWidgets().isEmpty(), "a window outlived the main window");
    }
}

QTEST_MAIN(tst_Randomised)
#include "tst_randomised.moc"
