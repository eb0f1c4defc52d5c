#include "win32_platform.h"

namespace platform {

Platform* DefaultBackend() {
    static Win32Platform backend;
    return &backend;
}

}  // namespace platform
