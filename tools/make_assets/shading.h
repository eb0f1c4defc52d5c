// The lit look of the game's balls, shared by the page pictures and the icon.
#pragma once

#include "image.h"

// The colour of a ball of colour `base` at the point whose offset from the
// centre is (nx, ny) in radii (y down), lit from the upper left.
Color ShadeSphere(Color base, float nx, float ny);
