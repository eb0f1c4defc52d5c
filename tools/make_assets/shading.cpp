#include "shading.h"

#include <algorithm>
#include <cmath>

namespace {

struct Vec3 {
    float x, y, z;
};

float Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

Vec3 Normalized(Vec3 v)
{
    const float length = std::sqrt(Dot(v, v));
    return {v.x / length, v.y / length, v.z / length};
}

}  // namespace

Color ShadeSphere(Color base, float nx, float ny)
{
    const Vec3 light = Normalized({-0.45f, -0.6f, 0.66f});
    const Vec3 half = Normalized({light.x, light.y, light.z + 1});
    const Vec3 normal{nx, ny, std::sqrt(std::max(0.0f, 1 - nx * nx - ny * ny))};
    const float diffuse = std::max(0.0f, Dot(normal, light));
    const float specular = std::pow(std::max(0.0f, Dot(normal, half)), 40.0f);
    // Light bounced off the ground brightens the lower rim a little.
    const float bounce = std::max(0.0f, ny) * (1 - normal.z) * 0.25f;
    return base * (0.22f + 0.85f * diffuse + bounce) + Color{1, 1, 1} * (0.75f * specular);
}
