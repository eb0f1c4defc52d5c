// Matching a requested display mode against the modes a display offers.
#pragma once

#include <vector>

#include "platform.h"

namespace platform {

// Index of the first offered mode with exactly the wanted width, height and
// bits per pixel; -1 when there is none.
int FindMode(const std::vector<DisplayMode>& offered, const DisplayMode& wanted);

}  // namespace platform
