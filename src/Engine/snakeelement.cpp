#include "Engine/snakeelement.h"

#include <GL/gl.h>

#include "Engine/sphere.h"

SnakeElement::SnakeElement(int xPos, int yPos) : XDir(1), YDir(0), XPos(xPos), YPos(yPos) {}

void SnakeElement::Draw(int pos, int tot) const {
    Draw(pos, tot, 0.0f);
}

void SnakeElement::Draw(int pos, int /*tot*/, float k) const {
    // Head red, every other segment (the tail too) green.
    if (pos == 0)
        glColor3d(1, 0, 0);
    else
        glColor3d(0, 1, 0);
    DrawCellSphere(64 * (XPos + k * XDir) + 32, 64 * (YPos + k * YDir) + 32);
}
