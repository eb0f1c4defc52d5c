// The desktop program's entry: the SDL backend, then the game.
#include "proc.h"
#include "sdl_platform.h"

int main() {
    platform::SdlPlatform backend;
    platform::Install(&backend);
    const int status = WinMain(nullptr, nullptr, nullptr, 0);
    platform::Install(nullptr);
    return status;
}
