#include "run_program.h"

#include "program.h"

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
