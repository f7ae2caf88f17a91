// Creating Form1 with its controls and every picture decoded: first in a
// fresh process, as the program's start-up does it, then again warm.
// Prints "first_ms warm_ms" for bench_startup to set beside the start-up time.

#include "Figures.h"
#include "Form1.h"

#include <QApplication>

#include <cstdio>
#include <memory>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    auto start = Figures::Clock::now();
    auto form = std::make_unique<Form1>();
    const double first = Figures::millisecondsSince(start);
    form.reset();

    std::vector<double> warm;
    for (int i = 0; i < 15; ++i) {
        start = Figures::Clock::now();
        form = std::make_unique<Form1>();
        warm.push_back(Figures::millisecondsSince(start));
        form.reset();
    }
    std::printf("%.3f %.3f\n", first, Figures::median(warm));
    return 0;
}
