// Start-up and memory of whole processes on the X server of $DISPLAY (Xvfb,
// no window manager), the programs unchanged:
// - start-up: from starting the process to its first paint, seen as the
//   pixels at the centre of the screen changing. The splash and the bare
//   viewer are both centred there, and a Qt window shows nothing of its own
//   until it has painted (it has no X background);
// - Form_Load: from starting the process to the program's own log line as
//   Form_Load begins (category vantrel.windows), read through a pipe;
// - memory: peak resident memory (VmHWM) once the main window is up, seen as
//   the centre showing neither the empty screen nor the splash any more.
// Each round runs ours and the floor one after the other, so that a busy
// moment of the machine falls on both alike; a ratio is the median of the
// rounds' ratios.
//
//   bench_startup PROGRAM BARE_VIEWER

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
constexpr int MemoryRuns = 3;
constexpr double LimitMs = 20000; // for anything a program should show

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

double firstPaintMs(const char *program, const ScreenCentre &centre, const QImage &empty)
{
    const auto started = Figures::Clock::now();
    const pid_t pid = start(program);
    if (!centre.waitFor([&](const QImage &seen) { return seen != empty; }, LimitMs))
        giveUp("a program never painted at the centre of the screen");
    const double ms = Figures::millisecondsSince(started);
    stop(pid);
    if (!centre.waitFor([&](const QImage &seen) { return seen == empty; }, 5000))
        giveUp("a window stayed on the screen after its program ended");
    return ms;
}

// From starting the program to its log line as Form_Load begins.
double formLoadMs(const char *program)
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
    while (said.find("Form_Load") == std::string::npos && Figures::millisecondsSince(started) < LimitMs
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
    if (said.find("Form_Load") == std::string::npos)
        giveUp("the program never said that Form_Load began");
    return ms;
}

// Peak resident memory once the window that stays is up: for the program the
// main window, after the start-up splash; for the bare viewer its picture.
double peakOnceUp(const char *program, bool hasSplash, const ScreenCentre &centre, const QImage &empty)
{
    const pid_t pid = start(program);
    if (!centre.waitFor([&](const QImage &seen) { return seen != empty; }, LimitMs))
        giveUp("a program never painted at the centre of the screen");
    if (hasSplash) {
        usleep(100 * 1000);
        const QImage splash = centre.look();
        if (!centre.waitFor([&](const QImage &seen) { return seen != empty && seen != splash; }, LimitMs))
            giveUp("the main window never came up");
    }
    usleep(500 * 1000);
    const double mib = peakResidentMiB(pid);
    stop(pid);
    if (!centre.waitFor([&](const QImage &seen) { return seen == empty; }, 5000))
        giveUp("a window stayed on the screen after its program ended");
    return mib;
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc != 3)
        giveUp("usage: bench_startup PROGRAM BARE_VIEWER");
    const char *program = argv[1];
    const char *bare = argv[2];

    const ScreenCentre centre(QGuiApplication::primaryScreen());
    const QImage empty = centre.look();

    std::vector<double> programMs, bareMs, formLoadMsList, paintRatios, formLoadRatios;
    for (int round = 0; round < StartUpRounds; ++round) {
        const double p = firstPaintMs(program, centre, empty);
        const double b = firstPaintMs(bare, centre, empty);
        const double f = formLoadMs(program);
        if (round == 0)
            continue;
        programMs.push_back(p);
        bareMs.push_back(b);
        formLoadMsList.push_back(f);
        paintRatios.push_back(p / b);
        formLoadRatios.push_back(f / b);
    }
    const double bareStartUp = Figures::median(bareMs);
    Figures::ratioRow("Start-up: process start to the splash's first paint (Xvfb)",
                      Figures::ms(Figures::median(programMs)), "bare viewer: one embedded JPEG, frameless",
                      Figures::ms(bareStartUp), Figures::median(paintRatios), 1.15);
    Figures::plainRow("Start-up: process start to Form_Load, the main window built with its pictures (Xvfb)",
                      Figures::ms(Figures::median(formLoadMsList)), "bare viewer's first paint",
                      Figures::ms(bareStartUp), Figures::median(formLoadRatios));

    std::vector<double> programMiB, bareMiB;
    for (int run = 0; run < MemoryRuns; ++run) {
        programMiB.push_back(peakOnceUp(program, true, centre, empty));
        bareMiB.push_back(peakOnceUp(bare, false, centre, empty));
    }
    Figures::differenceRow("Peak resident memory, main window up", Figures::median(programMiB),
                           "bare viewer, picture shown", Figures::median(bareMiB), 8, "MiB");
    return 0;
}
