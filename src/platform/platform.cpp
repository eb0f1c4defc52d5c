#include "platform.h"

#include <cstdio>
#include <cstdlib>

namespace platform {

namespace {
Platform* installed = nullptr;
}  // namespace

Platform& Current() {
    // Running without a backend is a wiring mistake of the entry point; a
    // clear stop beats a null dereference somewhere in the window module.
    if (!installed) {
        std::fputs("tramox: no platform backend installed\n", stderr);
        std::abort();
    }
    return *installed;
}

void Install(Platform* backend) {
    installed = backend;
}

}  // namespace platform
