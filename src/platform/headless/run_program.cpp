// Kept apart from the backend so that tests of the backend alone link
// without the program.
#include "headless.h"
#include "proc.h"

namespace platform {

namespace {
// Uninstalls the backend however the program ends.
struct Installed {
    explicit Installed(Platform* backend) { Install(backend); }
    ~Installed() { Install(nullptr); }
};
}  // namespace

int RunProgram(HeadlessPlatform& backend) {
    Installed installed(&backend);
    try {
        return WinMain(nullptr, nullptr, nullptr, 0);
    } catch (const ProcessExit& exit) {
        ReleaseProgram();
        return exit.status;
    }
}

}  // namespace platform
