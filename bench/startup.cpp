// Start-up and memory of whole processes on the X server of $DISPLAY (Xvfb,
// no window manager), the programs unchanged:
// - start-up: from starting the process to its first paint, seen as the
//   pixels at the centre of the screen changing. The splash and the bare
//   viewer are both centred there, and a Qt window shows nothing of its own
//   until it has painted (it has no X background);
// - memory: peak resident memory (VmHWM) once the main window is up, seen as
//   the centre showing neither the empty screen nor the splash any more;
// - creating Form1, first in a fresh process, beside the start-up time.
//
//   bench_startup PROGRAM BARE_VIEWER FORM1_BENCH

#include "Figures.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QScreen>

#include <cstdio>
#include <cstdlib>
#include <functional>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

constexpr int StartUpRuns = 15; // of each program, the first one a warm-up
constexpr int MemoryRuns = 3;
constexpr int Form1Runs = 7;

[[noreturn]] void giveUp(const char *why)
{
    std::fprintf(stderr, "bench_startup: %s\n", why);
    std::exit(1);
}

class ScreenCentre final
{
public:
    explicit ScreenCentre(QScreen *screen)
        : m_screen(screen)
        , m_area(screen->geometry().center() - QPoint(8, 8), QSize(16, 16))
    {
    }

    QImage look() const
    {
        return m_screen->grabWindow(0, m_area.x(), m_area.y(), m_area.width(), m_area.height()).toImage();
    }

    // Looks again and again until `seen` holds; false after `limitMs`.
    bool waitFor(const std::function<bool(const QImage &)> &seen, double limitMs) const
    {
        const auto start = Figures::Clock::now();
        while (!seen(look())) {
            if (Figures::millisecondsSince(start) > limitMs)
                return false;
            usleep(250);
        }
        return true;
    }

private:
    QScreen *m_screen;
    QRect m_area;
};

pid_t start(const char *program)
{
    pid_t pid = 0;
    char *const argv[] = {const_cast<char *>(program), nullptr};
    if (posix_spawn(&pid, program, nullptr, nullptr, argv, environ) != 0)
        giveUp("cannot start a program");
    return pid;
}

void stop(pid_t pid)
{
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

double peakResidentMiB(pid_t pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        giveUp("cannot read a program's memory figures");
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024;
    }
    giveUp("no VmHWM in /proc/PID/status");
}

double firstPaintMs(const char *program, const ScreenCentre &centre, const QImage &empty)
{
    const auto started = Figures::Clock::now();
    const pid_t pid = start(program);
    if (!centre.waitFor([&](const QImage &seen) { return seen != empty; }, 20000))
        giveUp("a program never painted at the centre of the screen");
    const double ms = Figures::millisecondsSince(started);
    stop(pid);
    if (!centre.waitFor([&](const QImage &seen) { return seen == empty; }, 5000))
        giveUp("a window stayed on the screen after its program ended");
    return ms;
}

// Peak resident memory once the window that stays is up: for the program the
// main window, after the start-up splash; for the bare viewer its picture.
double peakOnceUp(const char *program, bool hasSplash, const ScreenCentre &centre, const QImage &empty)
{
    const pid_t pid = start(program);
    if (!centre.waitFor([&](const QImage &seen) { return seen != empty; }, 20000))
        giveUp("a program never painted at the centre of the screen");
    if (hasSplash) {
        usleep(100 * 1000);
        const QImage splash = centre.look();
        if (!centre.waitFor([&](const QImage &seen) { return seen != empty && seen != splash; }, 20000))
            giveUp("the main window never came up");
    }
    usleep(500 * 1000);
    const double mib = peakResidentMiB(pid);
    stop(pid);
    if (!centre.waitFor([&](const QImage &seen) { return seen == empty; }, 5000))
        giveUp("a window stayed on the screen after its program ended");
    return mib;
}

double firstForm1Ms(const char *form1Bench)
{
    QProcess process;
    process.start(QString::fromLocal8Bit(form1Bench), {});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        giveUp("the Form1 benchmark failed");
    bool ok = false;
    const double first = process.readAllStandardOutput().split(' ').value(0).toDouble(&ok);
    if (!ok)
        giveUp("the Form1 benchmark printed no figure");
    return first;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 4)
        giveUp("usage: bench_startup PROGRAM BARE_VIEWER FORM1_BENCH");
    const char *program = argv[1];
    const char *bare = argv[2];
    const char *form1Bench = argv[3];

    const ScreenCentre centre(QGuiApplication::primaryScreen());
    const QImage empty = centre.look();

    // Alternate the two, so that a busy moment of the machine falls on both alike.
    std::vector<double> programMs, bareMs;
    for (int run = 0; run < StartUpRuns; ++run) {
        const double p = firstPaintMs(program, centre, empty);
        const double b = firstPaintMs(bare, centre, empty);
        if (run > 0) {
            programMs.push_back(p);
            bareMs.push_back(b);
        }
    }
    const double startUp = Figures::median(programMs);
    const double bareStartUp = Figures::median(bareMs);
    Figures::ratioRow("Start-up: process start to the splash's first paint (Xvfb)", Figures::ms(startUp),
                      "bare viewer: one embedded JPEG, frameless", Figures::ms(bareStartUp),
                      startUp / bareStartUp, 1.2);

    std::vector<double> form1Ms;
    for (int run = 0; run < Form1Runs; ++run)
        form1Ms.push_back(firstForm1Ms(form1Bench));
    const double form1 = Figures::median(form1Ms);
    Figures::ratioRow("Creating Form1 with every picture decoded, first in a process", Figures::ms(form1),
                      "the program's start-up above", Figures::ms(startUp), form1 / startUp, 0.1);

    std::vector<double> programMiB, bareMiB;
    for (int run = 0; run < MemoryRuns; ++run) {
        programMiB.push_back(peakOnceUp(program, true, centre, empty));
        bareMiB.push_back(peakOnceUp(bare, false, centre, empty));
    }
    Figures::differenceRow("Peak resident memory, main window up", Figures::median(programMiB),
                           "bare viewer, picture shown", Figures::median(bareMiB), 10, "MiB");
    return 0;
}
