#include "storedwindow.h"
#include "MainWindow.h"
#include "PictureStore.h"
#include "SplashCard.h"
#include "splashprobe.h"

#include <QtTest>

#include <QApplication>
#include <QFile>
#include <QMenu>
#include <QPushButton>
#include <QWindow>

#include <unistd.h>

using namespace std::chrono_literals;

namespace {

// AddressSanitizer keeps freed memory in quarantine and pads every block, so
// resident memory says nothing about leaks under it; the cycles still run.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool MemoryIsMeaningful = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool MemoryIsMeaningful = false;
#else
constexpr bool MemoryIsMeaningful = true;
#endif
#else
constexpr bool MemoryIsMeaningful = true;
#endif

// Resident memory of this process, from the second field of /proc/self/statm.
qint64 residentBytes()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() * sysconf(_SC_PAGESIZE) : -1;
}

} // namespace

class tst_AboutCycles : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void fiveHundredAboutCycles();
};

void tst_AboutCycles::cleanup()
{
    QTRY_VERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_AboutCycles::fiveHundredAboutCycles()
{
    constexpr int Cycles = 500;
    constexpr int WarmUp = 50;
    constexpr qint64 AllowedGrowth = 1024 * 1024;

    Lesson lesson(10ms);
    startLesson(lesson);
    MainWindow &form = *builtMainWindow();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    auto *button = form.findChild<QPushButton *>(QStringLiteral("aboutButton"));
    const QPoint onButton = button->mapTo(&form, button->rect().center());
    QAction *about = form.findChild<QAction *>(QStringLiteral("aboutAction"));
    const qsizetype widgetsBefore = QApplication::allWidgets().size();

    qint64 residentAfterWarmUp = 0;
    for (int cycle = 1; cycle <= Cycles; ++cycle) {
        bool wasUp = false;
        whenSplashIsUp(
            [&wasUp](SplashCard *splash) {
                wasUp = true;
                QTest::mouseClick(splash->windowHandle(), Qt::LeftButton, {}, QPoint(150, 200));
            },
            QStringLiteral("a click on it"));
        // Both ways in: the author's button, clicked through the window, and the menu item.
        if (cycle % 2)
            QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, onButton);
        else
            about->trigger();

        // A splash that had to be closed for the test has failed it already.
        if (QTest::currentTestFailed())
            return;
        QVERIFY2(wasUp, qPrintable(QStringLiteral("cycle %1").arg(cycle)));
        QCOMPARE(liveSplash(), nullptr);
        QCOMPARE(QApplication::allWidgets().size(), widgetsBefore);
        if (cycle == WarmUp)
            residentAfterWarmUp = residentBytes();
    }
    QCOMPARE(QApplication::topLevelWidgets().size(), form.findChildren<QMenu *>().size() + 1);

    if (!MemoryIsMeaningful)
        QSKIP("Resident memory is not measured under AddressSanitizer");
    const qint64 growth = residentBytes() - residentAfterWarmUp;
    QVERIFY(residentAfterWarmUp > 0);
    QVERIFY2(growth < AllowedGrowth,
             qPrintable(QStringLiteral("resident memory grew by %1 KiB from cycle %2 to %3")
                            .arg(growth / 1024)
                            .arg(WarmUp)
                            .arg(Cycles)));
}

QTEST_MAIN(tst_AboutCycles)
#include "tst_aboutcycles.moc"
