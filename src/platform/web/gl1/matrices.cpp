// The modelview and projection stacks and the calls that change them.
#include <cmath>

#include "batch.h"
#include "lists.h"

namespace gl1 {

namespace {

MatrixStack& Stack(State& s) {
    return s.matrixMode == kProjection ? s.projection : s.modelview;
}

void Multiply(const Mat4& m) {
    Mat4& top = EditedMatrix();
    top = top * m;
}

}  // namespace

Mat4& EditedMatrix() {
    State& s = Current();
    if (s.matrixMode == kModelview) s.normalMatrixValid = false;
    return Stack(s).Top();
}

void MatrixMode(unsigned mode) {
    if (Record({Op::kMatrixMode, mode, {}})) return;
    // The texture matrix stays the identity: the game never selects it.
    if (mode == kModelview || mode == kProjection) Current().matrixMode = mode;
}

void LoadIdentity() {
    if (Record({Op::kLoadIdentity, 0, {}})) return;
    EditedMatrix() = Mat4::Identity();
}

void PushMatrix() {
    if (Record({Op::kPushMatrix, 0, {}})) return;
    MatrixStack& stack = Stack(Current());
    if (stack.top + 1 >= kStackDepth) return;  // overflow: GL refuses
    stack.matrices[stack.top + 1] = stack.matrices[stack.top];
    ++stack.top;
}

void PopMatrix() {
    if (Record({Op::kPopMatrix, 0, {}})) return;
    MatrixStack& stack = Stack(Current());
    if (stack.top == 0) return;  // underflow: GL refuses
    EditedMatrix();
    --stack.top;
}

void Translatef(float x, float y, float z) {
    if (Record({Op::kTranslate, 0, {x, y, z, 0}})) return;
    Multiply(Mat4::Translation(x, y, z));
}

void Translated(double x, double y, double z) {
    Translatef(static_cast<float>(x), static_cast<float>(y), static_cast<float>(z));
}

void Rotated(double angle, double x, double y, double z) {
    const float f[4] = {static_cast<float>(angle), static_cast<float>(x), static_cast<float>(y), static_cast<float>(z)};
    if (Record({Op::kRotate, 0, {f[0], f[1], f[2], f[3]}})) return;
    Multiply(Mat4::Rotation(f[0], f[1], f[2], f[3]));
}

void Scalef(float x, float y, float z) {
    if (Record({Op::kScale, 0, {x, y, z, 0}})) return;
    Multiply(Mat4::Scaling(x, y, z));
}

void GetDoublev(unsigned name, double* values) {
    State& s = Current();
    const Mat4* m = name == kModelviewMatrix ? &s.modelview.Top() : name == kProjectionMatrix ? &s.projection.Top() : nullptr;
    if (!m) return;  // the game asks for nothing else
    for (int i = 0; i < 16; ++i) values[i] = m->m[i];
}

void Perspective(double fovy, double aspect, double zNear, double zFar) {
    // GLU's own refusals: the menu pages rely on a zero depth range leaving
    // the projection alone.
    const double radians = fovy / 2 * M_PI / 180;
    const double deltaZ = zFar - zNear;
    const double sine = std::sin(radians);
    if (deltaZ == 0 || sine == 0 || aspect == 0) return;
    const double cotangent = std::cos(radians) / sine;
    Mat4 m = Mat4::Identity();
    m.m[0] = static_cast<float>(cotangent / aspect);
    m.m[5] = static_cast<float>(cotangent);
    m.m[10] = static_cast<float>(-(zFar + zNear) / deltaZ);
    m.m[11] = -1;
    m.m[14] = static_cast<float>(-2 * zNear * zFar / deltaZ);
    m.m[15] = 0;
    Multiply(m);
}

}  // namespace gl1
