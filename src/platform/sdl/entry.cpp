// The desktop program's C entry: the program itself, on the build's default
// backend (platform::Current installs it at first use).
#include "program.h"

int main() {
    return WinMain(nullptr, nullptr, nullptr, 0);
}
