#include "Engine/sphere.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "Engine/engine.h"

void DrawCellSphere(double x, double y) {
    glPushMatrix();
    glTranslated(x, y, 32);
    gluSphere(Engine::quadric, 32, 8, 8);
    glPopMatrix();
}
