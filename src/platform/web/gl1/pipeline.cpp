// Immediate mode and lighting: each vertex is taken to eye space and lit as
// it comes, as GL 1.1 does per vertex (Gouraud), and each primitive is cut
// into triangles or line segments at glEnd.
#include <algorithm>
#include <cmath>

#include "batch.h"
#include "es2.h"
#include "lists.h"

namespace gl1 {

namespace {

// GL's defaults for light 0 and the light model: white diffuse light, no
// ambient light of its own, a scene ambient of 0.2. Specular light meets the
// default material's black specular reflectance and adds nothing.
const float kSceneAmbient = 0.2f;

float Clamp(float v) {
    return std::min(1.0f, std::max(0.0f, v));
}

const float* NormalMatrix(State& s) {
    if (!s.normalMatrixValid) {
        if (!s.modelview.Top().NormalMatrix(s.normalMatrix)) std::fill(s.normalMatrix, s.normalMatrix + 9, 0.0f);
        s.normalMatrixValid = true;
    }
    return s.normalMatrix;
}

bool IsLines(unsigned mode) {
    return mode == kLines || mode == kLineStrip || mode == kLineLoop;
}

// The vertices of the finished primitive as triangles or segments, split
// as Mesa splits them, so colours interpolate across the same diagonals.
void Assemble(unsigned mode, const std::vector<Vertex>& v, std::vector<Vertex>& out) {
    const size_t n = v.size();
    if (IsLines(mode)) {
        if (mode == kLines) {
            out.insert(out.end(), v.begin(), v.begin() + static_cast<std::ptrdiff_t>(n & ~size_t{1}));
            return;
        }
        for (size_t i = 0; i + 1 < n; ++i) out.insert(out.end(), {v[i], v[i + 1]});
        if (mode == kLineLoop && n > 2) out.insert(out.end(), {v[n - 1], v[0]});
        return;
    }
    switch (mode) {
        case kTriangles:
            out.insert(out.end(), v.begin(), v.begin() + static_cast<std::ptrdiff_t>(n - n % 3));
            break;
        case kTriangleStrip:
            for (size_t i = 0; i + 2 < n; ++i) {
                if (i % 2 == 0)
                    out.insert(out.end(), {v[i], v[i + 1], v[i + 2]});
                else
                    out.insert(out.end(), {v[i + 1], v[i], v[i + 2]});
            }
            break;
        case kTriangleFan:
        case kPolygon:
            for (size_t i = 1; i + 1 < n; ++i) out.insert(out.end(), {v[i], v[i + 1], v[0]});
            break;
        case kQuads:
            for (size_t i = 0; i + 3 < n; i += 4) out.insert(out.end(), {v[i], v[i + 1], v[i + 2], v[i], v[i + 2], v[i + 3]});
            break;
        case kQuadStrip:
            for (size_t i = 0; i + 3 < n; i += 2) out.insert(out.end(), {v[i + 2], v[i], v[i + 3], v[i], v[i + 1], v[i + 3]});
            break;
        default:
            break;  // points: the game draws none
    }
}

void SetColor(float r, float g, float b) {
    if (Record({Op::kColor, 0, {r, g, b, 1}})) return;
    State& s = Current();
    s.color = {r, g, b, 1};
    if (s.colorMaterial) s.ambient = s.diffuse = s.color;
}

void AddVertex(float x, float y, float z) {
    if (Record({Op::kVertex, 0, {x, y, z, 1}})) return;
    State& s = Current();
    if (s.primitive == kNoPrimitive) return;  // outside glBegin .. glEnd GL ignores it
    const Vec4 eye = s.modelview.Top() * Vec4{x, y, z, 1};
    const Vec4 clip = s.projection.Top() * eye;
    const Vec4 c = Shade(eye, s.normal);
    s.vertices.push_back({clip.x, clip.y, clip.z, clip.w, c.x, c.y, c.z, c.w, s.texCoord[0], s.texCoord[1], 0});
}

void SetTexCoord(float s, float t) {
    if (Record({Op::kTexCoord, 0, {s, t, 0, 1}})) return;
    Current().texCoord[0] = s;
    Current().texCoord[1] = t;
}

// The switches the layer keeps itself; the others are the real GL's.
bool* LayerSwitch(State& s, unsigned cap) {
    switch (cap) {
        case kLighting: return &s.lighting;
        case kLight0: return &s.light0;
        case kTexture2D: return &s.texture2D;
        case kColorMaterial: return &s.colorMaterial;
        default: return nullptr;
    }
}

void SetCapability(unsigned cap, bool on) {
    State& s = Current();
    bool* flag = LayerSwitch(s, cap);
    if (!flag) {
        SendBatch();
        on ? glEnable(cap) : glDisable(cap);
        return;
    }
    *flag = on;
    // From now on the material follows the colour, starting with this one.
    if (cap == kColorMaterial && on) s.ambient = s.diffuse = s.color;
}

}  // namespace

Vec4 Shade(const Vec4& eye, const float normal[3]) {
    State& s = Current();
    if (!s.lighting) return s.color;
    Vec4 c = {kSceneAmbient * s.ambient.x, kSceneAmbient * s.ambient.y, kSceneAmbient * s.ambient.z, s.diffuse.w};
    if (s.light0) {
        // GL does not normalise normals unless asked; the game never asks.
        const float* m = NormalMatrix(s);
        const float nx = normal[0] * m[0] + normal[1] * m[1] + normal[2] * m[2];
        const float ny = normal[0] * m[3] + normal[1] * m[4] + normal[2] * m[5];
        const float nz = normal[0] * m[6] + normal[1] * m[7] + normal[2] * m[8];
        const Vec4& p = s.lightPosition;
        float lx = p.x, ly = p.y, lz = p.z;
        if (p.w != 0.0f) {
            lx = p.x / p.w - eye.x / eye.w;
            ly = p.y / p.w - eye.y / eye.w;
            lz = p.z / p.w - eye.z / eye.w;
        }
        const float length = std::sqrt(lx * lx + ly * ly + lz * lz);
        const float facing = length > 0.0f ? (nx * lx + ny * ly + nz * lz) / length : 0.0f;
        if (facing > 0.0f) {
            c.x += facing * s.diffuse.x;
            c.y += facing * s.diffuse.y;
            c.z += facing * s.diffuse.z;
        }
    }
    return {Clamp(c.x), Clamp(c.y), Clamp(c.z), Clamp(c.w)};
}

void Begin(unsigned mode) {
    if (Record({Op::kBegin, mode, {}})) return;
    State& s = Current();
    if (s.primitive != kNoPrimitive || mode > kPolygon) return;
    s.primitive = mode;
    s.vertices.clear();
}

void End() {
    if (Record({Op::kEnd, 0, {}})) return;
    State& s = Current();
    if (s.primitive == kNoPrimitive) return;
    float source = 0;
    std::vector<Vertex>& out = Batch(IsLines(s.primitive) ? Shape::kLines : Shape::kTriangles, &source);
    for (Vertex& v : s.vertices) v.source = source;
    Assemble(s.primitive, s.vertices, out);
    s.primitive = kNoPrimitive;
}

void Vertex2i(int x, int y) {
    AddVertex(static_cast<float>(x), static_cast<float>(y), 0.0f);
}

void Vertex2f(float x, float y) {
    AddVertex(x, y, 0.0f);
}

void Vertex3d(double x, double y, double z) {
    AddVertex(static_cast<float>(x), static_cast<float>(y), static_cast<float>(z));
}

void Color3f(float r, float g, float b) {
    SetColor(r, g, b);
}

void Color3d(double r, double g, double b) {
    SetColor(static_cast<float>(r), static_cast<float>(g), static_cast<float>(b));
}

void Normal3f(float x, float y, float z) {
    if (Record({Op::kNormal, 0, {x, y, z, 0}})) return;
    State& s = Current();
    s.normal[0] = x;
    s.normal[1] = y;
    s.normal[2] = z;
}

void TexCoord2f(float s, float t) {
    SetTexCoord(s, t);
}

void TexCoord2d(double s, double t) {
    SetTexCoord(static_cast<float>(s), static_cast<float>(t));
}

void Enable(unsigned cap) {
    if (Record({Op::kEnable, cap, {}})) return;
    SetCapability(cap, true);
}

void Disable(unsigned cap) {
    if (Record({Op::kDisable, cap, {}})) return;
    SetCapability(cap, false);
}

// Smooth shading is all the layer draws; the game asks for nothing else.
void ShadeModel(unsigned) {}

// ES 2.0 interpolates with perspective always.
void Hint(unsigned, unsigned) {}

void Lightfv(unsigned light, unsigned name, const float* values) {
    // Light 0's position, given through the modelview matrix of the moment,
    // is the one light parameter the game sets.
    if (light != kLight0 || name != kPosition) return;
    if (Record({Op::kLightPosition, 0, {values[0], values[1], values[2], values[3]}})) return;
    State& s = Current();
    s.lightPosition = s.modelview.Top() * Vec4{values[0], values[1], values[2], values[3]};
}

// AMBIENT_AND_DIFFUSE on both faces, GL's default, is the game's choice.
void ColorMaterial(unsigned, unsigned) {}

}  // namespace gl1
