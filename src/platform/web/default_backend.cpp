// Linked into every binary that uses this backend, so the game's reference
// to the default backend never depends on the order of a link line.
#include "web_platform.h"

namespace platform {

Platform* DefaultBackend() {
    static WebPlatform backend;
    return &backend;
}

}  // namespace platform
