// One segment of the snake: its cell and the step by which it got there.
#pragma once

class SnakeElement {
public:
    SnakeElement(int xPos, int yPos);

    // Draws the segment on its cell; pos is its index in the chain (0 is the
    // head), tot the chain's length.
    void Draw(int pos, int tot) const;
    // Draws it k cells along its last step (k from -1 to 0).
    void Draw(int pos, int tot, float k) const;

    int XDir;
    int YDir;
    int XPos;
    int YPos;
};
