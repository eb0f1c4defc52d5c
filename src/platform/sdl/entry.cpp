// The desktop program's C entry: the program itself, on the build's default
// backend (platform::Current installs it at first use). An installed game
// first moves into the player's own folder.
#include <cstdio>
#include <string>

#include "platform/linux/player_folder.h"
#include "platform/platform.h"
#include "wintypes.h"

int main() {
    if (const std::string failure = platform::EnterPlayerFolder(); !failure.empty()) {
        const std::string text = "Tramox cannot keep its settings: " + failure;
        std::fprintf(stderr, "tramox: %s\n", text.c_str());
        platform::Current().ShowMessageBox(text.c_str(), "Tramox Error");
        return 1;
    }
    return WinMain(nullptr, nullptr, nullptr, 0);
}
