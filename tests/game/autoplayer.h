// A test-side player: reads the game through Engine's read-only views and
// answers with the arrow key to press before the next step (0: none).
#pragma once

class Engine;

// Heads for the food along a path that stays clear of the moving body, and
// only takes a step after which the head can still reach the tail.
int ChooseKey(const Engine& engine);

// The arrow key for the step (dx, dy).
int KeyFor(int dx, int dy);
