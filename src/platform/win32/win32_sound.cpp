#include <string>

#include "win32_platform.h"

namespace platform {

// PlaySound already plays one sound at a time, a new one replacing the last;
// with SND_NODEFAULT a missing or broken file, or no device, stays silent.
void Win32Platform::PlaySoundFile(const char* path, bool async) {
    std::string file(path ? path : "");
    for (char& c : file) {
        if (c == '/') c = '\\';
    }
    PlaySoundA(file.c_str(), nullptr, SND_FILENAME | SND_NODEFAULT | (async ? SND_ASYNC : SND_SYNC));
}

}  // namespace platform
