#ifndef FONTCONFIGLOADER_H
#define FONTCONFIGLOADER_H

#include <thread>

// Reads the system's font configuration on a thread of its own. The first
// text a window lays out needs it, and reading it takes about as long as
// connecting to the window system, which can go on meanwhile; Qt's own
// request later finds it read. Where fonts are not configured through
// fontconfig (Windows, macOS) there is nothing to read.
class FontConfigLoader final
{
public:
    FontConfigLoader();

    // Returns once the configuration has been read.
    void wait();

private:
    std::jthread m_worker;
};

#endif // FONTCONFIGLOADER_H
