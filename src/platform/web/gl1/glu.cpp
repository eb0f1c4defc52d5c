// GLU's quadric sphere, tessellated as GLU does it for the default quadric
// (filled, smooth normals, pointing outside, no texture coordinates): a fan
// at each pole and quad strips between, vertices and normals in GLU's order,
// so the lit picture and the normal left current match.
#include <cmath>

#include "state.h"

class GLUquadric {};

namespace gl1 {

namespace {
const int kMaxCache = 240;  // GLU's own limit on slices and stacks
}

GLUquadric* NewQuadric() {
    return new GLUquadric;
}

void DeleteQuadric(GLUquadric* quadric) {
    delete quadric;
}

void Sphere(GLUquadric* quadric, double radius, int slices, int stacks) {
    if (!quadric) return;
    if (slices >= kMaxCache) slices = kMaxCache - 1;
    if (stacks >= kMaxCache) stacks = kMaxCache - 1;
    if (slices < 2 || stacks < 1 || radius < 0.0) return;
    // Positions (1) and normals (2) around (a) and down (b), in single
    // precision like GLU's caches.
    float sin1a[kMaxCache], cos1a[kMaxCache], sin2b[kMaxCache], cos2b[kMaxCache];
    float sin1b[kMaxCache], cos1b[kMaxCache];
    for (int i = 0; i < slices; ++i) {
        const float angle = static_cast<float>(2 * M_PI * i / slices);
        sin1a[i] = static_cast<float>(std::sin(angle));
        cos1a[i] = static_cast<float>(std::cos(angle));
    }
    for (int j = 0; j <= stacks; ++j) {
        const float angle = static_cast<float>(M_PI * j / stacks);
        sin2b[j] = static_cast<float>(std::sin(angle));
        cos2b[j] = static_cast<float>(std::cos(angle));
        sin1b[j] = static_cast<float>(radius * std::sin(angle));
        cos1b[j] = static_cast<float>(radius * std::cos(angle));
    }
    // It comes to a point at the poles.
    sin1b[0] = 0;
    sin1b[stacks] = 0;
    sin1a[slices] = sin1a[0];
    cos1a[slices] = cos1a[0];
    const float* sin2a = sin1a;
    const float* cos2a = cos1a;
    const float r = static_cast<float>(radius);

    // The top fan, around from the last slice back to the first.
    Normal3f(sin2a[0] * sin2b[0], cos2a[0] * sin2b[0], cos2b[0]);
    Begin(kTriangleFan);
    Vertex3d(0.0, 0.0, r);
    for (int i = slices; i >= 0; --i) {
        Normal3f(sin2a[i] * sin2b[1], cos2a[i] * sin2b[1], cos2b[1]);
        Vertex3d(sin1b[1] * sin1a[i], sin1b[1] * cos1a[i], cos1b[1]);
    }
    End();

    // The bottom fan.
    Normal3f(sin2a[stacks] * sin2b[stacks], cos2a[stacks] * sin2b[stacks], cos2b[stacks]);
    Begin(kTriangleFan);
    Vertex3d(0.0, 0.0, -r);
    for (int i = 0; i <= slices; ++i) {
        Normal3f(sin2a[i] * sin2b[stacks - 1], cos2a[i] * sin2b[stacks - 1], cos2b[stacks - 1]);
        Vertex3d(sin1b[stacks - 1] * sin1a[i], sin1b[stacks - 1] * cos1a[i], cos1b[stacks - 1]);
    }
    End();

    // The strips between.
    for (int j = 1; j < stacks - 1; ++j) {
        Begin(kQuadStrip);
        for (int i = 0; i <= slices; ++i) {
            Normal3f(sin2a[i] * sin2b[j + 1], cos2a[i] * sin2b[j + 1], cos2b[j + 1]);
            Vertex3d(sin1b[j + 1] * sin1a[i], sin1b[j + 1] * cos1a[i], cos1b[j + 1]);
            Normal3f(sin2a[i] * sin2b[j], cos2a[i] * sin2b[j], cos2b[j]);
            Vertex3d(sin1b[j] * sin1a[i], sin1b[j] * cos1a[i], cos1b[j]);
        }
        End();
    }
}

}  // namespace gl1
