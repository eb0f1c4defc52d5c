// Looks at the Windows desktop the game runs on, from inside the same Wine
// session, for the scripts that drive the game there.
//   wine_probe box CAPTION SECONDS  prints the text of the dialog with this
//                                   caption once it shows; status 1 when none
//                                   shows in time
//   wine_probe mode                 prints the display mode and the size of
//                                   the window in front (the game's):
//                                   "1024x768x32 1024x768"
//   wine_probe window               prints whether the game's window is
//                                   "shown" or "minimised"; status 1 when
//                                   there is none
//   wine_probe endsession           ends the session for the game as Windows
//                                   does at log-off: asks, tells it the
//                                   session ends, then ends its process
//   wine_probe lock FILE SECONDS    holds FILE open, shared with nobody, for
//                                   a while, as a virus scanner can; prints
//                                   "locked" once it holds it
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

HWND GameWindow() {
    return FindWindowA("Tramox", nullptr);
}

int PrintWindowState() {
    HWND game = GameWindow();
    if (!game) return 1;
    std::printf("%s\n", IsIconic(game) ? "minimised" : "shown");
    return 0;
}

int EndSession() {
    HWND game = GameWindow();
    DWORD processId = 0;
    if (!game || !GetWindowThreadProcessId(game, &processId)) return 1;
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, processId);
    if (!process) return 1;
    const LRESULT mayEnd = SendMessageA(game, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF);
    SendMessageA(game, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    // Windows ends a program soon after it has handled the message; whatever
    // it did not do by then is lost.
    if (WaitForSingleObject(process, 0) == WAIT_TIMEOUT) TerminateProcess(process, 1);
    WaitForSingleObject(process, 5000);
    CloseHandle(process);
    std::printf("%s\n", mayEnd ? "may end" : "refused");
    return 0;
}

int HoldFile(const char* path, int seconds) {
    HANDLE file = CreateFileA(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    std::printf("locked\n");
    std::fflush(stdout);
    Sleep(static_cast<DWORD>(seconds) * 1000);
    CloseHandle(file);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "box") == 0) return WaitForBox(argv[2], std::atoi(argv[3]));
    if (argc == 2 && std::strcmp(argv[1], "mode") == 0) return PrintMode();
    if (argc == 2 && std::strcmp(argv[1], "window") == 0) return PrintWindowState();
    if (argc == 2 && std::strcmp(argv[1], "endsession") == 0) return EndSession();
    if (argc == 4 && std::strcmp(argv[1], "lock") == 0) return HoldFile(argv[2], std::atoi(argv[3]));
    std::fprintf(stderr,
                 "usage: wine_probe box CAPTION SECONDS | wine_probe mode | wine_probe window |\n"
                 "       wine_probe endsession | wine_probe lock FILE SECONDS\n");
    return 2;
}
