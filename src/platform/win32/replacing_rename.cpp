// The C runtime's rename on Windows refuses a target that exists; the game
// writes its settings to a temporary file and renames it over the old one,
// as POSIX rename allows. The Windows link sends every call of rename here
// (-Wl,--wrap=rename), so the game's code stays the same on every system.
#include <cerrno>

#include "win32_platform.h"

extern "C" int __wrap_rename(const char* from, const char* to) {
    if (MoveFileExA(from, to, MOVEFILE_REPLACE_EXISTING)) return 0;
    errno = GetLastError() == ERROR_FILE_NOT_FOUND ? ENOENT : EACCES;
    return -1;
}
