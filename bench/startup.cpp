// Start-up and memory of whole processes on the X server of $DISPLAY (Xvfb,
// no window manager), the programs unchanged, with the fonts that fontconfig
// finds in this environment:
// - start-up: from starting the process to its first paint, seen as the
//   pixels at the centre of the screen changing. The splash, the bare viewer
//   and the same-job program's splash are all centred there, and a Qt window
//   shows nothing of its own until it has painted (it has no X background);
// - memory as the splash first paints: peak resident memory (VmHWM), read as
//   soon as that first paint is seen;
// - main window built: from starting the process to the program's own log
//   line once its main window is built behind the splash (category
//   vantrel.windows), read through a pipe;
// - after the splash: from the centre no longer showing the splash to it
//   showing the main window, and the peak resident memory once that is up.
// Each round runs ours and the floors one after the other, so that a busy
// moment of the machine falls on all alike; a ratio is the median of the
// rounds' ratios.
//
//   bench_startup PROGRAM BARE_VIEWER SAME_JOB FONTS
//
// FONTS names the font set in the rows.

#include "Figures.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <cstring>
#include <string>

#include <cstdio>
#include <cstdlib>
#include <functional>

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

constexpr int StartUpRounds = 15; // the first one a warm-up
constexpr int MemoryRuns = 5;
constexpr double LimitMs = 20000; // for anything a program should show
constexpr char BuiltLine[] = "main window built";

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

pid_t start(const char *program, const posix_spawn_file_actions_t *actions = nullptr,
            char *const *environment = environ)
{
    pid_t pid = 0;
    char *const argv[] = {const_cast<char *>(program), nullptr};
    if (posix_spawn(&pid, program, actions, nullptr, argv, environment) != 0)
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

struct FirstPaint {
    double ms;
    double peakMiB;
};

FirstPaint firstPaint(const char *program, const ScreenCentre &centre, const QImage &empty)
{
    const auto started = Figures::Clock::now();
    const pid_t pid = start(program);
    if (!centre.waitFor([&](const QImage &seen) { return seen != empty; }, LimitMs))
        giveUp("a program never painted at the centre of the screen");
    const FirstPaint painted{Figures::millisecondsSince(started), peakResidentMiB(pid)};
    stop(pid);
    if (!centre.waitFor([&](const QImage &seen) { return seen == empty; }, 5000))
        giveUp("a window stayed on the screen after its program ended");
    return painted;
}

// From starting the program to its log line once the main window is built.
double mainWindowBuiltMs(const char *program)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        giveUp("cannot make a pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    std::vector<char *> environment;
    for (char **variable = environ; *variable; ++variable) {
        if (std::strncmp(*variable, "QT_LOGGING_RULES=", 17) != 0)
            environment.push_back(*variable);
    }
    char rule[] = "QT_LOGGING_RULES=vantrel.windows.debug=true";
    environment.push_back(rule);
    environment.push_back(nullptr);

    const auto started = Figures::Clock::now();
    const pid_t pid = start(program, &actions, environment.data());
    close(pipeEnds[1]);
    std::string said;
    char buffer[4096];
    pollfd readable{pipeEnds[0], POLLIN, 0};
    // A program that never says it gives up after LimitMs, not never.
    while (said.find(BuiltLine) == std::string::npos && Figures::millisecondsSince(started) < LimitMs
           && poll(&readable, 1, 100) >= 0) {
        if (readable.revents == 0)
            continue;
        const ssize_t got = read(pipeEnds[0], buffer, sizeof buffer);
        if (got <= 0)
            break;
        said.append(buffer, std::size_t(got));
    }
    const double ms = Figures::millisecondsSince(started);
    stop(pid);
    close(pipeEnds[0]);
    posix_spawn_file_actions_destroy(&actions);
    if (said.find(BuiltLine) == std::string::npos)
        giveUp("the program never said that its main window was built");
    return ms;
}

struct WindowUp {
    double afterSplashMs; // from the splash going to the main window's first paint
    double peakMiB;
};

// Peak resident memory once the window that stays is up: for a program with
// a splash the main window, after the splash; for the bare viewer its picture.
WindowUp onceUp(const char *program, bool hasSplash, const ScreenCentre &centre, const QImage &empty)
{
    const pid_t pid = start(program);
    if (!centre.waitFor([&](const QImage &seen) { return seen != empty; }, LimitMs))
        giveUp("a program never painted at the centre of the screen");
    double afterSplashMs = 0;
    if (hasSplash) {
        usleep(100 * 1000);
        const QImage splash = centre.look();
        if (!centre.waitFor([&](const QImage &seen) { return seen != splash; }, LimitMs))
            giveUp("the splash never closed");
        const auto closed = Figures::Clock::now();
        if (!centre.waitFor([&](const QImage &seen) { return seen != empty && seen != splash; }, LimitMs))
            giveUp("the main window never came up");
        afterSplashMs = Figures::millisecondsSince(closed);
    }
    usleep(500 * 1000);
    const WindowUp up{afterSplashMs, peakResidentMiB(pid)};
    stop(pid);
    if (!centre.waitFor([&](const QImage &seen) { return seen == empty; }, 5000))
        giveUp("a window stayed on the screen after its program ended");
    return up;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 5)
        giveUp("usage: bench_startup PROGRAM BARE_VIEWER SAME_JOB FONTS");
    const char *program = argv[1];
    const char *bare = argv[2];
    const char *sameJob = argv[3];
    const std::string fonts = argv[4];

    const ScreenCentre centre(QGuiApplication::primaryScreen());
    const QImage empty = centre.look();

    std::vector<double> programMs, bareMs, sameJobMs, builtMs, programMiB, bareMiB;
    std::vector<double> bareRatios, sameJobRatios, builtRatios;
    for (int round = 0; round < StartUpRounds; ++round) {
        const FirstPaint p = firstPaint(program, centre, empty);
        const FirstPaint b = firstPaint(bare, centre, empty);
        const FirstPaint s = firstPaint(sameJob, centre, empty);
        const double f = mainWindowBuiltMs(program);
        if (round == 0)
            continue;
        programMs.push_back(p.ms);
        bareMs.push_back(b.ms);
        sameJobMs.push_back(s.ms);
        builtMs.push_back(f);
        programMiB.push_back(p.peakMiB);
        bareMiB.push_back(b.peakMiB);
        bareRatios.push_back(p.ms / b.ms);
        sameJobRatios.push_back(p.ms / s.ms);
        builtRatios.push_back(f / b.ms);
    }
    const std::string bareName = "bare viewer: one embedded JPEG, frameless";
    const std::string sameJobName = "same-job program: main window built first, one thread";
    const double bareStartUp = Figures::median(bareMs);
    Figures::ratioRow("Start-up, " + fonts + ": process start to the splash's first paint (Xvfb)",
                      Figures::ms(Figures::median(programMs)), bareName, Figures::ms(bareStartUp),
                      Figures::median(bareRatios), 1.10);
    Figures::ratioRow("Start-up, " + fonts + ": the same, beside the same job done plainly",
                      Figures::ms(Figures::median(programMs)), sameJobName, Figures::ms(Figures::median(sameJobMs)),
                      Figures::median(sameJobRatios), 0.8);
    Figures::plainRow("Start-up, " + fonts
                          + ": process start to the main window built with its pictures, behind the splash",
                      Figures::ms(Figures::median(builtMs)), "bare viewer's first paint", Figures::ms(bareStartUp),
                      Figures::median(builtRatios));
    Figures::differenceRow("Peak resident memory, " + fonts + ", as the splash first paints",
                           Figures::median(programMiB), "bare viewer, as its picture first paints",
                           Figures::median(bareMiB), 3, "MiB");

    std::vector<double> afterSplashMs, sameJobAfterSplashMs, afterSplashRatios, upMiB, bareUpMiB;
    for (int run = 0; run < MemoryRuns; ++run) {
        const WindowUp p = onceUp(program, true, centre, empty);
        const WindowUp s = onceUp(sameJob, true, centre, empty);
        afterSplashMs.push_back(p.afterSplashMs);
        sameJobAfterSplashMs.push_back(s.afterSplashMs);
        afterSplashRatios.push_back(p.afterSplashMs / s.afterSplashMs);
        upMiB.push_back(p.peakMiB);
        bareUpMiB.push_back(onceUp(bare, false, centre, empty).peakMiB);
    }
    Figures::plainRow("After the splash, " + fonts + ": the splash going to the main window's first paint",
                      Figures::ms(Figures::median(afterSplashMs)), sameJobName,
                      Figures::ms(Figures::median(sameJobAfterSplashMs)), Figures::median(afterSplashRatios));
    Figures::differenceRow("Peak resident memory, " + fonts + ", main window up", Figures::median(upMiB),
                           "bare viewer, picture shown", Figures::median(bareUpMiB), 8, "MiB");
    return 0;
}
