#include "noise.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kPeriod = 256.0f;

int Wrap(int i, int n) { return ((i % n) + n) % n; }

float Fade(float t) { return t * t * (3.0f - 2.0f * t); }

}  // namespace

float Hash01(int x, int y, std::uint32_t seed)
{
    std::uint32_t h = seed * 0x9e3779b9u;
    h ^= static_cast<std::uint32_t>(x) * 0x85ebca6bu;
    h = (h << 13) | (h >> 19);
    h ^= static_cast<std::uint32_t>(y) * 0xc2b2ae35u;
    h ^= h >> 16;
    h *= 0x7feb352du;
    h ^= h >> 15;
    h *= 0x846ca68bu;
    h ^= h >> 16;
    return (h >> 8) * (1.0f / 16777216.0f);
}

float ValueNoise(float x, float y, int cellsX, int cellsY, std::uint32_t seed)
{
    const float u = x * cellsX / kPeriod, v = y * cellsY / kPeriod;
    const int iu = static_cast<int>(std::floor(u)), iv = static_cast<int>(std::floor(v));
    const float tu = Fade(u - iu), tv = Fade(v - iv);
    const int u0 = Wrap(iu, cellsX), u1 = Wrap(iu + 1, cellsX);
    const int v0 = Wrap(iv, cellsY), v1 = Wrap(iv + 1, cellsY);
    const float top = Hash01(u0, v0, seed) + (Hash01(u1, v0, seed) - Hash01(u0, v0, seed)) * tu;
    const float bottom = Hash01(u0, v1, seed) + (Hash01(u1, v1, seed) - Hash01(u0, v1, seed)) * tu;
    return top + (bottom - top) * tv;
}

float ValueNoise(float x, float y, int cells, std::uint32_t seed) { return ValueNoise(x, y, cells, cells, seed); }

float FractalNoise(float x, float y, int cellsX, int cellsY, int octaves, std::uint32_t seed)
{
    float sum = 0, weight = 1, total = 0;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += ValueNoise(x, y, cellsX << octave, cellsY << octave, seed + octave * 7919u) * weight;
        total += weight;
        weight *= 0.5f;
    }
    return sum / total;
}

float FractalNoise(float x, float y, int cells, int octaves, std::uint32_t seed)
{
    return FractalNoise(x, y, cells, cells, octaves, seed);
}

CellularSample Cellular(float x, float y, int cells, std::uint32_t seed)
{
    const float size = kPeriod / cells;
    const int cx = static_cast<int>(std::floor(x / size)), cy = static_cast<int>(std::floor(y / size));
    CellularSample best{1e9f, 1e9f, 0};
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            // The point of the wrapped cell, placed beside the unwrapped one.
            const int wx = Wrap(cx + dx, cells), wy = Wrap(cy + dy, cells);
            const float px = (cx + dx + 0.15f + 0.7f * Hash01(wx, wy, seed)) * size;
            const float py = (cy + dy + 0.15f + 0.7f * Hash01(wx, wy, seed + 1)) * size;
            const float d = std::hypot(px - x, py - y);
            if (d < best.nearest) {
                best.second = best.nearest;
                best.nearest = d;
                best.id = Hash01(wx, wy, seed + 2);
            } else if (d < best.second) {
                best.second = d;
            }
        }
    }
    return best;
}

float SmoothStep(float edge0, float edge1, float t)
{
    const float s = std::clamp((t - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return s * s * (3.0f - 2.0f * s);
}
