// Page switch: one click's whole work, the page procedure and the repaint of
// pagePicture and pageText, next to handing the same decoded picture to a bare
// QLabel and the same text to a bare QPlainTextEdit and repainting both.
// Runs offscreen.

#include "Figures.h"
#include "Lesson.h"
#include "PageCatalogue.h"
#include "PictureStore.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWindow>

#include <array>
#include <cstdio>
#include <cstdlib>

using namespace std::chrono_literals;

namespace {

constexpr int SwitchesPerBatch = 90; // ten rounds of the nine pages
constexpr int Batches = 21;

// Counts the paint events of the widgets it watches: proof that every switch
// repaints both boxes, in our window and in the floor's.
class PaintCounter final : public QObject
{
public:
    void watch(QWidget *widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

void waitUntilExposed(QWidget *window)
{
    const auto start = Figures::Clock::now();
    while (!(window->windowHandle() && window->windowHandle()->isExposed())) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        if (Figures::millisecondsSince(start) > 5000) {
            std::fprintf(stderr, "bench_pageswitch: a window was never exposed\n");
            std::exit(1);
        }
    }
    QCoreApplication::processEvents();
}

template<typename Switch>
double timeBatch(Switch &&switchTo, PaintCounter &counter)
{
    counter.paints = 0;
    const auto start = Figures::Clock::now();
    for (int i = 0; i < SwitchesPerBatch; ++i) {
        switchTo(i % PageCount);
        // Delivers the pending update request: the window repaints what changed.
        QCoreApplication::processEvents();
    }
    const double perSwitch = Figures::millisecondsSince(start) / SwitchesPerBatch;
    if (counter.paints < 2 * SwitchesPerBatch) {
        std::fprintf(stderr, "bench_pageswitch: %d paints in %d switches\n", counter.paints, SwitchesPerBatch);
        std::exit(1);
    }
    return perSwitch;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    // The start-up splash closes at once.
    Lesson lesson(1ms);
    lesson.load();
    MainWindow *built = nullptr;
    for (QWidget *window : QApplication::topLevelWidgets())
        built = built ? built : qobject_cast<MainWindow *>(window);
    MainWindow &form = *built;
    waitUntilExposed(&form);
    const char *const buttonNames[PageCount] = {"introButton", "stepButton1", "stepButton2",
                                                "stepButton3", "stepButton4", "stepButton5",
                                                "stepButton6", "stepButton7", "greetingsButton"};
    std::array<QPushButton *, PageCount> buttons{};
    for (int i = 0; i < PageCount; ++i)
        buttons[i] = form.findChild<QPushButton *>(QLatin1String(buttonNames[i]));
    PaintCounter ourPaints;
    ourPaints.watch(form.findChild<QLabel *>(QStringLiteral("pagePicture")));
    ourPaints.watch(form.findChild<QPlainTextEdit *>(QStringLiteral("pageText"))->viewport());

    // The floor: the same pictures and texts, ready made, on bare widgets of
    // the same sizes.
    QWidget bare;
    auto *label = new QLabel(&bare);
    label->setGeometry(135, 93, 305, 305);
    auto *edit = new QPlainTextEdit(&bare);
    edit->setGeometry(80, 400, 425, 145);
    bare.resize(581, 556);
    bare.show();
    waitUntilExposed(&bare);
    PaintCounter barePaints;
    barePaints.watch(label);
    barePaints.watch(edit->viewport());
    std::array<QPixmap, PageCount> pictures;
    std::array<QString, PageCount> texts;
    for (int i = 0; i < PageCount; ++i) {
        const TutorialPage &page = PageCatalogue::page(PageId(i));
        pictures[i] = QPixmap::fromImage(PictureStore::decode(page.picture));
        const std::string text = PageCatalogue::text(page);
        texts[i] = QString::fromLatin1(text.data(), qsizetype(text.size()));
    }

    const auto ours = [&](int page) { buttons[page]->click(); };
    const auto floor = [&](int page) {
        label->setPixmap(pictures[page]);
        edit->setPlainText(texts[page]);
    };

    // Warm both up, then alternate batches so that a busy moment of the
    // machine falls on both alike.
    timeBatch(ours, ourPaints);
    timeBatch(floor, barePaints);
    std::vector<double> ourTimes, floorTimes;
    for (int b = 0; b < Batches; ++b) {
        ourTimes.push_back(timeBatch(ours, ourPaints));
        floorTimes.push_back(timeBatch(floor, barePaints));
    }
    const double oursMs = Figures::median(ourTimes);
    const double floorMs = Figures::median(floorTimes);
    Figures::ratioRow("Page switch: procedure and repaint of pagePicture and pageText (offscreen)", Figures::ms(oursMs),
                      "bare QLabel and QPlainTextEdit, set and repainted", Figures::ms(floorMs), oursMs / floorMs, 1.5);
    return 0;
}
