// The desktop program's entry: the SDL backend, then the game. An installed
// game first moves into the player's own folder.
#include <cstdio>
#include <string>

#include "platform/linux/player_folder.h"
#include "proc.h"
#include "sdl_platform.h"

int main() {
    platform::SdlPlatform backend;
    if (const std::string failure = platform::EnterPlayerFolder(); !failure.empty()) {
        const std::string text = "Tramox cannot keep its settings: " + failure;
        std::fprintf(stderr, "tramox: %s\n", text.c_str());
        backend.MessageBox(text.c_str(), "Tramox Error");
        return 1;
    }
    platform::Install(&backend);
    const int status = WinMain(nullptr, nullptr, nullptr, 0);
    platform::Install(nullptr);
    return status;
}
