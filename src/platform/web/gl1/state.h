// The layer's share of a GL context: what GL 1.1 keeps and ES 2.0 does not
// (matrices, the current vertex attributes, lighting, the raster position),
// and the layer's functions, one for each GL 1.1 call, shared by its files.
#pragma once

#include <vector>

#include "gl1.h"
#include "matrix.h"

namespace gl1 {

// GL 1.1's numbers for what ES 2.0's headers do not name.
enum : unsigned {
    kPoints = 0x0000,
    kLines = 0x0001,
    kLineLoop = 0x0002,
    kLineStrip = 0x0003,
    kTriangles = 0x0004,
    kTriangleStrip = 0x0005,
    kTriangleFan = 0x0006,
    kQuads = 0x0007,
    kQuadStrip = 0x0008,
    kPolygon = 0x0009,
    kNoPrimitive = 0xFFFF,
    kMatrixModeName = 0x0BA0,
    kLighting = 0x0B50,
    kColorMaterial = 0x0B57,
    kModelviewMatrix = 0x0BA6,
    kProjectionMatrix = 0x0BA7,
    kUnpackAlignment = 0x0CF5,
    kTexture2D = 0x0DE1,
    kUnsignedByte = 0x1401,
    kPosition = 0x1203,
    kCompile = 0x1300,
    kCompileAndExecute = 0x1301,
    kModelview = 0x1700,
    kProjection = 0x1701,
    kFlat = 0x1D00,
    kLight0 = 0x4000,
};

// GL's least stack depth for the modelview matrix; the projection stack
// shares the size.
const int kStackDepth = 32;

// A vertex as the layer hands it to the shader: clip coordinates, the
// colour after lighting, texture coordinates, where the texel comes from.
struct Vertex {
    float x, y, z, w;
    float r, g, b, a;
    float s, t;
    float source;
};

struct MatrixStack {
    Mat4 matrices[kStackDepth] = {Mat4::Identity()};
    int top = 0;
    Mat4& Top() { return matrices[top]; }
};

struct RasterPosition {
    bool valid = true;
    float x = 0, y = 0, z = 0;  // window coordinates
    Vec4 color = {1, 1, 1, 1};
};

struct State {
    MatrixStack modelview, projection;
    unsigned matrixMode = kModelview;
    bool normalMatrixValid = false;
    float normalMatrix[9] = {};

    Vec4 color = {1, 1, 1, 1};
    float normal[3] = {0, 0, 1};
    float texCoord[2] = {0, 0};
    // Material ambient and diffuse reflectance (front and back alike).
    Vec4 ambient = {0.2f, 0.2f, 0.2f, 1}, diffuse = {0.8f, 0.8f, 0.8f, 1};
    bool lighting = false, light0 = false, colorMaterial = false, texture2D = false;
    Vec4 lightPosition = {0, 0, 1, 0};  // in eye space

    unsigned primitive = kNoPrimitive;  // inside glBegin .. glEnd
    std::vector<Vertex> vertices;       // of the primitive

    // GL's first viewport is the drawable's size, which the real GL knows.
    int viewport[4] = {0, 0, -1, -1};
    RasterPosition raster;
    int unpackAlignment = 4;
    unsigned texture = 0;  // bound to GL_TEXTURE_2D by the game
    unsigned listBase = 0;
};

State& Current();
// The viewport, asked of the real GL until a glViewport sets it.
const int* Viewport();
// The matrix the matrix calls change; notes a modelview change.
Mat4& EditedMatrix();
// The lit colour of a point in eye space with a normal in object space, or
// the current colour when lighting is off.
Vec4 Shade(const Vec4& eye, const float normal[3]);

// The layer's side of each call, named as gl1.h names them.
#define GL1_LAYER_CALL(ret, name, params, args) ret name params;
GL1_GL_CALLS(GL1_LAYER_CALL)
GL1_GLU_CALLS(GL1_LAYER_CALL)
#undef GL1_LAYER_CALL

}  // namespace gl1
