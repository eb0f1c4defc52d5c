// The sphere every snake segment and the food are drawn as.
#pragma once

// A sphere of radius 32 (8 slices, 8 stacks) centred at world (x, y, 32),
// drawn with Engine::quadric in the current colour.
void DrawCellSphere(double x, double y);
