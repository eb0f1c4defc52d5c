// Linked into every binary that uses this backend, so the game's reference
// to the default backend never depends on the order of a link line. Each
// test installs the backend it has set up, so there is no default.
#include "platform/platform.h"

namespace platform {

Platform* DefaultBackend() {
    return nullptr;
}

}  // namespace platform
