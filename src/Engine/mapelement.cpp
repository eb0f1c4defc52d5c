#include "Engine/mapelement.h"

#include <GL/gl.h>

#include "Engine/map.h"

namespace {

// One sixteenth: a 256-texel texture spans 16 by 16 cells.
const double kCellTex = 0.0625;

struct Vertex {
    double s, t;
    double x, y, z;
};

void Polygon(double nx, double ny, double nz, const Vertex (&v)[4]) {
    glBegin(GL_POLYGON);
    glNormal3f(static_cast<float>(nx), static_cast<float>(ny), static_cast<float>(nz));
    for (const Vertex& p : v) {
        glTexCoord2d(p.s, p.t);
        glVertex3d(p.x, p.y, p.z);
    }
    glEnd();
}

}  // namespace

MapElement::MapElement(const char* Type, int X, int Y, const Map* _map)
    : x(X), y(Y), map(_map), type(Type ? Type : "") {}

void MapElement::Draw() const {
    if (IsWall())
        DrawWall();
    else
        DrawFloor();
}

void MapElement::DrawFloor() const {
    const double s0 = x / 16.0, t0 = y / 16.0, d = kCellTex;
    const double X0 = 64.0 * x, X1 = X0 + 64, Y0 = 64.0 * y, Y1 = Y0 + 64;
    glEnable(GL_TEXTURE_2D);
    glColor3d(1, 1, 1);
    glBindTexture(GL_TEXTURE_2D, map->textures[1]);
    Polygon(0, 0, 1, {{s0, t0, X0, Y0, 1}, {s0, t0 + d, X0, Y1, 1}, {s0 + d, t0 + d, X1, Y1, 1}, {s0 + d, t0, X1, Y0, 1}});
    glDisable(GL_TEXTURE_2D);
}

void MapElement::DrawWall() const {
    const double s0 = x / 16.0, t0 = y / 16.0, d = kCellTex;
    const double X0 = 64.0 * x, X1 = X0 + 64, Y0 = 64.0 * y, Y1 = Y0 + 64;
    // The side faces show a strip of the texture half a cell high.
    const double below = t0 + 0.09375, above = t0 - 0.03125;
    glColor3d(1, 1, 1);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, map->textures[0]);
    Polygon(0, -1, 0, {{s0, below, X0, Y0, 1}, {s0 + d, below, X1, Y0, 1}, {s0 + d, t0 + d, X1, Y0, 32}, {s0, t0 + d, X0, Y0, 32}});
    Polygon(0, 0, 1, {{s0, t0 + d, X0, Y1, 32}, {s0 + d, t0 + d, X1, Y1, 32}, {s0 + d, t0, X1, Y0, 32}, {s0, t0, X0, Y0, 32}});
    Polygon(-1, 0, 0, {{s0, above, X0, Y0, 1}, {s0 + d, above, X0, Y1, 1}, {s0 + d, t0, X0, Y1, 32}, {s0, t0, X0, Y0, 32}});
    Polygon(1, 0, 0, {{s0, below, X1, Y0, 1}, {s0 + d, below, X1, Y1, 1}, {s0 + d, t0 + d, X1, Y1, 32}, {s0, t0 + d, X1, Y0, 32}});
    glDisable(GL_TEXTURE_2D);
}
