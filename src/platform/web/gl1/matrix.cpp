#include "matrix.h"

#include <cmath>

namespace gl1 {

Mat4 Mat4::Identity() {
    return Mat4{{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}};
}

Mat4 Mat4::Translation(float x, float y, float z) {
    Mat4 t = Identity();
    t.m[12] = x;
    t.m[13] = y;
    t.m[14] = z;
    return t;
}

Mat4 Mat4::Scaling(float x, float y, float z) {
    Mat4 s = Identity();
    s.m[0] = x;
    s.m[5] = y;
    s.m[10] = z;
    return s;
}

Mat4 Mat4::Rotation(float degrees, float x, float y, float z) {
    Mat4 r = Identity();
    const float length = std::sqrt(x * x + y * y + z * z);
    if (length == 0.0f) return r;  // GL leaves the matrix as it is
    x /= length;
    y /= length;
    z /= length;
    const double radians = degrees * M_PI / 180.0;
    const float s = static_cast<float>(std::sin(radians)), c = static_cast<float>(std::cos(radians)), k = 1.0f - c;
    r.m[0] = x * x * k + c;
    r.m[1] = y * x * k + z * s;
    r.m[2] = x * z * k - y * s;
    r.m[4] = x * y * k - z * s;
    r.m[5] = y * y * k + c;
    r.m[6] = y * z * k + x * s;
    r.m[8] = x * z * k + y * s;
    r.m[9] = y * z * k - x * s;
    r.m[10] = z * z * k + c;
    return r;
}

Vec4 Mat4::operator*(const Vec4& v) const {
    return {m[0] * v.x + m[4] * v.y + m[8] * v.z + m[12] * v.w, m[1] * v.x + m[5] * v.y + m[9] * v.z + m[13] * v.w,
            m[2] * v.x + m[6] * v.y + m[10] * v.z + m[14] * v.w, m[3] * v.x + m[7] * v.y + m[11] * v.z + m[15] * v.w};
}

Mat4 Mat4::operator*(const Mat4& b) const {
    Mat4 p;
    for (int c = 0; c < 4; ++c)
        for (int r = 0; r < 4; ++r)
            p.m[c * 4 + r] = m[r] * b.m[c * 4] + m[4 + r] * b.m[c * 4 + 1] + m[8 + r] * b.m[c * 4 + 2] +
                             m[12 + r] * b.m[c * 4 + 3];
    return p;
}

bool Mat4::NormalMatrix(float r[9]) const {
    // a[row][column] of the upper 3 by 3 part.
    auto a = [this](int row, int column) { return m[column * 4 + row]; };
    const float c00 = a(1, 1) * a(2, 2) - a(1, 2) * a(2, 1);
    const float c01 = a(1, 2) * a(2, 0) - a(1, 0) * a(2, 2);
    const float c02 = a(1, 0) * a(2, 1) - a(1, 1) * a(2, 0);
    const float det = a(0, 0) * c00 + a(0, 1) * c01 + a(0, 2) * c02;
    if (det == 0.0f) return false;
    const float inv = 1.0f / det;
    // The inverse's transpose is the cofactor matrix over the determinant.
    r[0] = c00 * inv;
    r[1] = c01 * inv;
    r[2] = c02 * inv;
    r[3] = (a(0, 2) * a(2, 1) - a(0, 1) * a(2, 2)) * inv;
    r[4] = (a(0, 0) * a(2, 2) - a(0, 2) * a(2, 0)) * inv;
    r[5] = (a(0, 1) * a(2, 0) - a(0, 0) * a(2, 1)) * inv;
    r[6] = (a(0, 1) * a(1, 2) - a(0, 2) * a(1, 1)) * inv;
    r[7] = (a(0, 2) * a(1, 0) - a(0, 0) * a(1, 2)) * inv;
    r[8] = (a(0, 0) * a(1, 1) - a(0, 1) * a(1, 0)) * inv;
    return true;
}

}  // namespace gl1
