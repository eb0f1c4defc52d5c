// The C runtime's rename on Windows refuses a target that exists; the game
// writes its settings to a temporary file and renames it over the old one,
// as POSIX rename allows. The Windows link sends every call of rename here
// (-Wl,--wrap=rename), so the game's code stays the same on every system.
#include <cerrno>

#include "win32_platform.h"

namespace {
// A virus scanner or an indexer opens a file just written or replaced for a
// moment; a replace refused for that is tried again for about two seconds
// before the save counts as failed.
const int kAttempts = 40;
const DWORD kPauseMs = 50;

bool MomentarilyHeld(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION || error == ERROR_ACCESS_DENIED;
}
}  // namespace

extern "C" int __wrap_rename(const char* from, const char* to) {
    DWORD error = ERROR_SUCCESS;
    for (int attempt = 1; attempt <= kAttempts; ++attempt) {
        if (MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING)) return 0;
        error = GetLastError();
        if (!MomentarilyHeld(error) || attempt == kAttempts) break;
        Sleep(kPauseMs);
    }
    errno = error == ERROR_FILE_NOT_FOUND ? ENOENT : EACCES;
    return -1;
}
