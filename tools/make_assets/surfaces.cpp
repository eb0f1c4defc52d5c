#include "surfaces.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

#include "noise.h"

namespace {

constexpr int kSize = 256;
constexpr int kCell = 16;
constexpr float kTau = 6.2831853f;

Image Texture(const std::function<Color(int x, int y)>& texel)
{
    Image image(kSize, kSize);
    for (int y = 0; y < kSize; ++y)
        for (int x = 0; x < kSize; ++x)
            image.At(x, y) = texel(x, y);
    return image;
}

// Fine per-texel variation around 1 by up to +-amount.
float Grain(int x, int y, std::uint32_t seed, float amount) { return 1 + (Hash01(x, y, seed) - 0.5f) * 2 * amount; }

// Light on the upper and left rims of a block, shade on the lower and right
// ones: (lx, ly) is the texel inside a block of w by h texels.
float Bevel(int lx, int ly, int w, int h, float strength)
{
    if (lx == 0 || ly == 0)
        return 1 + strength;
    if (lx == w - 1 || ly == h - 1)
        return 1 - strength;
    return 1;
}

// A texel of a wall built of courses `courseHeight` high, in which each
// course is split at the given columns; every cell holds whole courses and
// its edges are joints, so a wall cell reads as one block.
struct Masonry {
    int lx, ly;       // texel inside its stone
    int width;        // of its stone
    int height;
    std::uint32_t id; // the same for every texel of one stone
};

Masonry Lay(int x, int y, int courseHeight, const std::vector<int>& evenJoints, const std::vector<int>& oddJoints)
{
    const int cx = x % kCell, cy = y % kCell;
    const int course = cy / courseHeight;
    const std::vector<int>& joints = course % 2 ? oddJoints : evenJoints;
    int start = 0, end = kCell, index = 0;
    for (int joint : joints) {
        if (joint <= cx) {
            start = joint;
            ++index;
        } else {
            end = std::min(end, joint);
        }
    }
    const std::uint32_t id = static_cast<std::uint32_t>(((y / kCell) * 16 + x / kCell) * 64 + course * 8 + index);
    return {cx - start, cy - course * courseHeight, end - start, courseHeight, id};
}

float StoneShade(std::uint32_t id, std::uint32_t seed, float spread) { return 1 + (Hash01(id, 0, seed) - 0.5f) * 2 * spread; }

}  // namespace

Image MakeGrass()
{
    const Color dark = Hex(0x44562e), light = Hex(0x5f7040), straw = Hex(0x868a52);
    return Texture([&](int x, int y) {
        const float patches = FractalNoise(x, y, 4, 4, 11);
        Color c = Mix(dark, light, SmoothStep(0.25f, 0.75f, patches));
        if (Hash01(x, y, 12) > 0.93f)
            c = Mix(c, straw, 0.45f);
        return c * Grain(x, y, 13, 0.07f);
    });
}

Image MakeSand()
{
    const Color base = Hex(0xc9b07c), shade = Hex(0xa88e5e);
    return Texture([&](int x, int y) {
        const float warp = FractalNoise(x, y, 4, 3, 21) * 40;
        const float ripple = 0.5f + 0.5f * std::sin(kTau * 10 * (y + warp) / kSize);
        const float dunes = FractalNoise(x, y, 2, 3, 22);
        Color c = Mix(base, shade, 0.35f * ripple + 0.4f * dunes);
        return c * Grain(x, y, 23, 0.05f);
    });
}

Image MakeSlate()
{
    const Color stone = Hex(0x5d6670), grout = Hex(0x353b42);
    return Texture([&](int x, int y) {
        const CellularSample cell = Cellular(x + 0.5f, y + 0.5f, 8, 31);
        const float layers = FractalNoise(x, y, 8, 4, 3, 32);
        Color c = stone * (0.86f + 0.22f * cell.id) * (0.92f + 0.16f * layers);
        c = Mix(grout, c, SmoothStep(0.6f, 1.8f, cell.second - cell.nearest));
        return c * Grain(x, y, 33, 0.04f);
    });
}

Image MakeMoss()
{
    const Color earth = Hex(0x46482f), moss = Hex(0x58653d), tuft = Hex(0x6c7848);
    return Texture([&](int x, int y) {
        const float cover = FractalNoise(x, y, 8, 4, 41);
        Color c = Mix(earth, moss, SmoothStep(0.38f, 0.58f, cover));
        const float tufts = ValueNoise(x, y, 64, 42);
        c = Mix(c, tuft, 0.5f * SmoothStep(0.7f, 0.9f, tufts) * SmoothStep(0.45f, 0.6f, cover));
        return c * Grain(x, y, 43, 0.08f);
    });
}

Image MakeSnow()
{
    const Color bright = Hex(0xeef2f6), shadow = Hex(0xc6d2e0);
    return Texture([&](int x, int y) {
        const float drifts = FractalNoise(x, y, 4, 4, 51);
        Color c = Mix(bright, shadow, SmoothStep(0.3f, 0.8f, drifts));
        if (Hash01(x, y, 52) > 0.985f)
            c = Color{1, 1, 1};
        return c * Grain(x, y, 53, 0.025f);
    });
}

Image MakeHedge()
{
    const Color deep = Hex(0x1d3d1c), leaf = Hex(0x3f7430), lit = Hex(0x6a9a45);
    return Texture([&](int x, int y) {
        const CellularSample leaves = Cellular(x + 0.5f, y + 0.5f, 64, 61);
        const float depth = FractalNoise(x, y, 16, 3, 62);
        // Each leaf is brighter at its middle; clumps come and go with depth.
        const float body = 1 - std::clamp(leaves.nearest / 3.0f, 0.0f, 1.0f);
        Color c = Mix(deep, leaf, SmoothStep(0.3f, 0.7f, depth) * (0.5f + 0.5f * body));
        c = Mix(c, lit, 0.35f * body * leaves.id);
        // The hedge is clipped into one block per cell.
        const int cx = x % kCell, cy = y % kCell;
        const int rim = std::min({cx, cy, kCell - 1 - cx, kCell - 1 - cy});
        c = c * (rim == 0 ? 0.55f : rim == 1 ? 0.82f : 1.0f) * Bevel(cx, cy, kCell, kCell, 0.12f);
        return c * Grain(x, y, 63, 0.06f);
    });
}

Image MakeSandstone()
{
    const Color stone = Hex(0xd2a56b), band = Hex(0xb57e48), mortar = Hex(0x8c6a46);
    return Texture([&](int x, int y) {
        const Masonry m = Lay(x, y, 8, {}, {8});
        if (x % kCell == kCell - 1 || y % kCell == kCell - 1)
            return mortar * 0.7f * Grain(x, y, 71, 0.05f);
        if (m.ly == m.height - 1 || m.lx == m.width - 1)
            return mortar * Grain(x, y, 71, 0.05f);
        // Strata run along the courses.
        const float strata = FractalNoise(x, y, 2, 16, 3, 72);
        Color c = Mix(stone, band, SmoothStep(0.35f, 0.75f, strata)) * StoneShade(m.id, 73, 0.07f);
        return c * Bevel(m.lx, m.ly, m.width - 1, m.height - 1, 0.1f) * Grain(x, y, 74, 0.05f);
    });
}

Image MakeBrick()
{
    const Color brick = Hex(0x9a4a32), burnt = Hex(0x6e3424), mortar = Hex(0x9c9282), joint = Hex(0x2a2420);
    return Texture([&](int x, int y) {
        const Masonry m = Lay(x, y, 4, {8}, {4, 12});
        const int cx = x % kCell, cy = y % kCell;
        // The joints round each cell are deeper, so a cell reads as one block.
        if (cx == kCell - 1 || cy == kCell - 1)
            return joint * Grain(x, y, 81, 0.06f);
        if (m.ly == m.height - 1 || m.lx == m.width - 1)
            return mortar * Grain(x, y, 81, 0.06f);
        const float soot = FractalNoise(x, y, 16, 2, 82);
        Color c = Mix(brick, burnt, 0.6f * Hash01(m.id, 1, 83) + 0.3f * soot);
        return c * Bevel(m.lx, m.ly, m.width - 1, m.height - 1, 0.08f) * Bevel(cx, cy, kCell - 1, kCell - 1, 0.1f) *
               Grain(x, y, 84, 0.08f);
    });
}

Image MakeCobble()
{
    const Color stone = Hex(0x8a8780), mortar = Hex(0x3e3b36);
    return Texture([&](int x, int y) {
        const int cx = x % kCell, cy = y % kCell;
        const CellularSample cell = Cellular(x + 0.5f, y + 0.5f, 32, 91);
        const float gap = cell.second - cell.nearest;
        // Rounded stones: darker towards their rims, lit from the upper left.
        const float dome = 1 - std::clamp(cell.nearest / 6.0f, 0.0f, 1.0f);
        Color c = stone * (0.75f + 0.35f * cell.id) * (0.8f + 0.3f * dome);
        c = Mix(mortar, c, SmoothStep(0.4f, 1.6f, gap));
        const bool frame = cx == 0 || cy == 0 || cx == kCell - 1 || cy == kCell - 1;
        if (frame)
            c = mortar * Bevel(cx, cy, kCell, kCell, 0.25f);
        return c * Grain(x, y, 92, 0.07f);
    });
}

Image MakeIce()
{
    const Color deep = Hex(0x7fb2d6), clear = Hex(0xbfe3f5), frost = Hex(0xf2fbff);
    return Texture([&](int x, int y) {
        const int cx = x % kCell, cy = y % kCell;
        const float cloud = FractalNoise(x, y, 8, 3, 101);
        // Streaks run diagonally, repeating across the texture.
        const float streak = 0.5f + 0.5f * std::sin(kTau * 8 * (x + y + 20 * cloud) / kSize);
        Color c = Mix(deep, clear, 0.5f * cloud + 0.35f * streak);
        const CellularSample cracks = Cellular(x + 0.5f, y + 0.5f, 16, 102);
        c = Mix(c, frost, 0.6f * (1 - SmoothStep(0.0f, 0.9f, cracks.second - cracks.nearest)));
        const int rim = std::min(cx, cy), far = std::max(cx, cy);
        if (rim == 0)
            c = Mix(c, frost, 0.7f);
        else if (far == kCell - 1)
            c = c * 0.72f;
        return c * Grain(x, y, 103, 0.03f);
    });
}
