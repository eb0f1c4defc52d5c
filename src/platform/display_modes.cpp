#include "display_modes.h"

#include <cstddef>

namespace platform {

int FindMode(const std::vector<DisplayMode>& offered, const DisplayMode& wanted) {
    for (std::size_t i = 0; i < offered.size(); ++i) {
        const DisplayMode& mode = offered[i];
        if (mode.width == wanted.width && mode.height == wanted.height && mode.bitsPerPixel == wanted.bitsPerPixel) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

}  // namespace platform
