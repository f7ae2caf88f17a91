// Reads a message box as the person in front of it reads it: waits up to
// 30 s for a box with the given title, prints its title and text, and leaves
// the box up for the test to close as a person does.
//   messagebox TITLE
#include <windows.h>

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
    if (argc != 2) {
        std::fprintf(stderr, "usage: messagebox TITLE\n");
        return 2;
    }
    wchar_t title[256];
    MultiByteToWideChar(CP_UTF8, 0, argv[1], -1, title, 256);
    for (int tenths = 0; tenths < 300; ++tenths) {
        // A message box is a dialog whose text is its static control 0xFFFF.
        if (const HWND box = FindWindowW(L"#32770", title)) {
            wchar_t text[8192] = {};
            if (GetDlgItemTextW(box, 0xFFFF, text, 8192) > 0) {
                std::printf("%s\n%s\n", argv[1], utf8(text).c_str());
                return 0;
            }
        }
        Sleep(100);
    }
    std::fprintf(stderr, "no message box \"%s\" within 30 s\n", argv[1]);
    return 1;
}
