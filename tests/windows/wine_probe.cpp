// Looks at the Windows desktop the game runs on, from inside the same Wine
// session, for the scripts that drive the game there.
//   wine_probe box CAPTION SECONDS  prints the text of the dialog with this
//                                   caption once it shows; status 1 when none
//                                   shows in time
//   wine_probe mode                 prints the display mode and the size of
//                                   the window in front (the game's):
//                                   "1024x768x32 1024x768"
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

BOOL CALLBACK CollectStaticText(HWND child, LPARAM into) {
    char className[32] = {};
    GetClassNameA(child, className, sizeof className);
    char text[512] = {};
    if (lstrcmpiA(className, "Static") == 0 && GetWindowTextA(child, text, sizeof text) > 0) {
        std::string& collected = *reinterpret_cast<std::string*>(into);
        if (!collected.empty()) collected += ' ';
        collected += text;
    }
    return TRUE;
}

int WaitForBox(const char* caption, int seconds) {
    for (int waited = 0; waited < seconds * 10; ++waited) {
        // Dialogs, the message box among them, have this class.
        if (HWND box = FindWindowA("#32770", caption)) {
            std::string text;
            EnumChildWindows(box, CollectStaticText, reinterpret_cast<LPARAM>(&text));
            std::printf("%s\n", text.c_str());
            return 0;
        }
        Sleep(100);
    }
    std::fprintf(stderr, "wine_probe: no dialog \"%s\" within %d s\n", caption, seconds);
    return 1;
}

int PrintMode() {
    DEVMODEA mode = {};
    mode.dmSize = sizeof mode;
    if (!EnumDisplaySettingsA(nullptr, ENUM_CURRENT_SETTINGS, &mode)) return 1;
    RECT window = {};
    if (HWND front = GetForegroundWindow()) GetWindowRect(front, &window);
    std::printf("%lux%lux%lu %ldx%ld\n", mode.dmPelsWidth, mode.dmPelsHeight, mode.dmBitsPerPel,
                window.right - window.left, window.bottom - window.top);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "box") == 0) return WaitForBox(argv[2], std::atoi(argv[3]));
    if (argc == 2 && std::strcmp(argv[1], "mode") == 0) return PrintMode();
    std::fprintf(stderr, "usage: wine_probe box CAPTION SECONDS | wine_probe mode\n");
    return 2;
}
