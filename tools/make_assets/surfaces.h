// The maps' surface textures. Each repeats every 256 texels both ways (the
// game lays one copy over 16 by 16 cells of 16 by 16 texels); the walls are
// built from blocks aligned to those cells.
#pragma once

#include "image.h"

Image MakeGrass();
Image MakeSand();
Image MakeSlate();
Image MakeMoss();
Image MakeSnow();

Image MakeHedge();
Image MakeSandstone();
Image MakeBrick();
Image MakeCobble();
Image MakeIce();
