// A Windows game finds its data beside its executable, whatever folder a
// shortcut, a script or the player's command line starts it from. The game
// reads Maps\, Textures\ and Sounds\ and keeps Settings.xml relative to its
// working folder, so the folder is set before anything runs: this object is
// made while the C runtime starts the program, before WinMain.
#include <string>

#include "win32_platform.h"

namespace {

bool EnterExecutableFolder() {
    // The wide names: a folder named outside the ANSI code page works too.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, &path[0], static_cast<DWORD>(path.size()));
        if (length == 0) return false;
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);  // a deeper folder than MAX_PATH
    }
    const std::wstring::size_type slash = path.find_last_of(L"\\/");
    if (slash == std::string::npos) return false;
    // "C:\tramox.exe" has its folder in "C:\", not in "C:".
    path.resize(slash == 0 || path[slash - 1] == L':' ? slash + 1 : slash);
    return SetCurrentDirectoryW(path.c_str()) != FALSE;
}

[[maybe_unused]] const bool enteredExecutableFolder = EnterExecutableFolder();

}  // namespace
