// A test-side player: reads the game through Engine's read-only views and
// answers with the arrow key to press before the next step (0: none).
#pragma once

class Engine;

class Autoplayer {
public:
    // Takes the shortest way to the food when the snake can still reach its
    // own tail after eating there; otherwise stalls along the safest step.
    int Choose(const Engine& engine);

private:
    int length_ = 0;
    long hungry_ = 0;  // steps since the last meal
    unsigned random_ = 1;
};

// The arrow key for the step (dx, dy).
int KeyFor(int dx, int dy);
