// Reads a window as Windows itself sees it, waiting up to 30 s for a
// top-level window with the given title:
//   windowreader box TITLE     a message box: prints its title and text, and
//                              leaves it up for the test to close as a
//                              person does
//   windowreader place TITLE   prints the window's rectangle, frame included,
//                              then the work area of its screen, in device
//                              pixels: left top right bottom, twice
#include <windows.h>

#include <shellscalingapi.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

std::string utf8(const wchar_t *text)
{
    std::string bytes(std::wcslen(text) * 4 + 1, '\0');
    const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, bytes.data(), int(bytes.size()), nullptr, nullptr);
    bytes.resize(size > 0 ? size - 1 : 0);
    return bytes;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 3 || (std::strcmp(argv[1], "box") != 0 && std::strcmp(argv[1], "place") != 0)) {
        std::fprintf(stderr, "usage: windowreader box|place TITLE\n");
        return 2;
    }
    const bool box = std::strcmp(argv[1], "box") == 0;
    // Device pixels, as the program under test, which is DPI-aware, sees them.
    SetProcessDpiAwareness(PROCESS_PER_MONITOR_DPI_AWARE);
    wchar_t title[256];
    MultiByteToWideChar(CP_UTF8, 0, argv[2], -1, title, 256);
    for (int tenths = 0; tenths < 300; ++tenths) {
        // A message box is a dialog whose text is its static control 0xFFFF.
        const HWND window = FindWindowW(box ? L"#32770" : nullptr, title);
        if (window && box) {
            wchar_t text[8192] = {};
            if (GetDlgItemTextW(window, 0xFFFF, text, 8192) > 0) {
                std::printf("%s\n%s\n", argv[2], utf8(text).c_str());
                return 0;
            }
        } else if (window && IsWindowVisible(window)) {
            RECT rect;
            MONITORINFO monitor = {};
            monitor.cbSize = sizeof monitor;
            GetWindowRect(window, &rect);
            GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
            const RECT &work = monitor.rcWork;
            std::printf("%ld %ld %ld %ld %ld %ld %ld %ld\n", rect.left, rect.top, rect.right, rect.bottom, work.left,
                        work.top, work.right, work.bottom);
            return 0;
        }
        Sleep(100);
    }
    std::fprintf(stderr, "no window \"%s\" within 30 s\n", argv[2]);
    return 1;
}
