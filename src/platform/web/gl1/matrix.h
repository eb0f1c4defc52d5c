// 4 by 4 matrices in single precision, column after column, as GL keeps
// them, and the operations of the GL 1.1 matrix calls.
#pragma once

namespace gl1 {

struct Vec4 {
    float x, y, z, w;
};

struct Mat4 {
    float m[16];  // m[column * 4 + row]

    static Mat4 Identity();
    static Mat4 Translation(float x, float y, float z);
    static Mat4 Scaling(float x, float y, float z);
    // A rotation by `degrees` about the axis (x, y, z), normalised here.
    static Mat4 Rotation(float degrees, float x, float y, float z);

    Vec4 operator*(const Vec4& v) const;
    Mat4 operator*(const Mat4& b) const;
    // The inverse's transpose of the upper 3 by 3 part, rows in r[0..8]:
    // what takes normals to eye space. False when it is singular.
    bool NormalMatrix(float r[9]) const;
};

}  // namespace gl1
