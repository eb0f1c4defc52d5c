#include "Engine/food.h"

#include <GL/gl.h>

#include "Engine/sphere.h"

Food::Food(int X, int Y) : x(X), y(Y) {}

void Food::Draw() const {
    glColor3d(0, 0, 1);
    DrawCellSphere(64 * x + 32, 64 * y + 32);
}
