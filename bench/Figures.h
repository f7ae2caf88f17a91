#ifndef FIGURES_H
#define FIGURES_H

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

// What every benchmark here shares: a clock, medians, and the row format of
// the one table that bench/run-benchmarks prints.
namespace Figures {

using Clock = std::chrono::steady_clock;

inline double millisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

inline double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

inline std::string format(const char *pattern, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, pattern, value);
    return text;
}

inline std::string ms(double value)
{
    return format(value < 1 ? "%.3f ms" : value < 10 ? "%.2f ms" : "%.1f ms", value);
}

// One row: our figure, the floor's figure beside it, their ratio and whether
// the goal, a largest ratio, is met.
inline void ratioRow(const std::string &measure, const std::string &ours, const std::string &floorName,
                     const std::string &floorFigure, double ratio, double goal)
{
    std::printf("| %s | %s | %s | %s | %.2fx | ≤ %.3gx %s |\n", measure.c_str(), ours.c_str(), floorName.c_str(),
                floorFigure.c_str(), ratio, goal, ratio <= goal ? "met" : "**missed**");
    std::fflush(stdout);
}

// A row without a goal: a figure shown for what it says.
inline void plainRow(const std::string &measure, const std::string &ours, const std::string &floorName,
                     const std::string &floorFigure, double ratio)
{
    std::printf("| %s | %s | %s | %s | %.2fx | — |\n", measure.c_str(), ours.c_str(), floorName.c_str(),
                floorFigure.c_str(), ratio);
    std::fflush(stdout);
}

// One row where the goal is a largest difference, not a ratio.
inline void differenceRow(const std::string &measure, double ours, const std::string &floorName, double floor,
                          double goal, const char *unit)
{
    std::printf("| %s | %.1f %s | %s | %.1f %s | %+.1f %s | ≤ +%.3g %s %s |\n", measure.c_str(), ours, unit,
                floorName.c_str(), floor, unit, ours - floor, unit, goal, unit,
                ours - floor <= goal ? "met" : "**missed**");
    std::fflush(stdout);
}

} // namespace Figures

#endif // FIGURES_H
