// Calls ES 2.0 has too, sent on after what is batched has been drawn, and
// the game's textures.
#include "batch.h"
#include "es2.h"
#include "lists.h"

namespace gl1 {

void Viewport(int x, int y, int width, int height) {
    SendBatch();
    int* v = Current().viewport;
    v[0] = x;
    v[1] = y;
    v[2] = width;
    v[3] = height;
    glViewport(x, y, width, height);
}

const int* Viewport() {
    int* v = Current().viewport;
    if (v[3] < 0) glGetIntegerv(GL_VIEWPORT, v);
    return v;
}

void ClearColor(float r, float g, float b, float a) {
    glClearColor(r, g, b, a);
}

void ClearDepth(double depth) {
    glClearDepthf(static_cast<float>(depth));
}

void Clear(unsigned mask) {
    SendBatch();
    glClear(mask);
}

void DepthFunc(unsigned func) {
    SendBatch();
    glDepthFunc(func);
}

void Flush() {
    SendBatch();
    glFlush();
}

void Finish() {
    SendBatch();
    glFinish();
}

void ReadPixels(int x, int y, int width, int height, unsigned format, unsigned type, void* pixels) {
    SendBatch();
    glReadPixels(x, y, width, height, format, type, pixels);
}

void GenTextures(int n, unsigned* textures) {
    glGenTextures(n, textures);
}

void DeleteTextures(int n, const unsigned* textures) {
    State& s = Current();
    for (int i = 0; i < n; ++i) {
        if (textures[i] == s.texture) s.texture = 0;  // as GL falls back to the default texture
        DeleteTexture(textures[i]);
    }
}

void BindTexture(unsigned, unsigned texture) {
    if (Record({Op::kBindTexture, texture, {}})) return;
    Current().texture = texture;
}

void TexParameteri(unsigned target, unsigned name, int value) {
    BindGameTexture();
    glTexParameteri(target, name, value);
}

void TexImage2D(unsigned target, int level, int, int width, int height, int border, unsigned format, unsigned type,
                const void* pixels) {
    BindGameTexture();
    // ES 2.0 keeps a texture in the format it is given (GL 1.1's count of
    // components, 3 for the game's RGB pictures, has no place there).
    glTexImage2D(target, level, static_cast<GLint>(format), width, height, border, format, type, pixels);
}

}  // namespace gl1
