// Which depth-buffer sizes to try for a pixel format request.
#pragma once

#include <vector>

namespace platform {

// The request itself first, then the common sizes 32, 24 and 16 from the
// closest to the farthest (the larger one first on a tie). A request of 0
// or less asks for no depth buffer and gets exactly that; a positive request
// never falls back to none, since the game's scene needs depth testing.
std::vector<int> DepthPreference(int requested);

}  // namespace platform
