// Surface textures: one copy covers 16 by 16 cells of 16 by 16 texels and
// repeats, so the wrap must not show, walls must form one block per cell,
// and floors must stay quiet under the red, green and blue spheres.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <numeric>
#include <vector>

#include "texture.h"

namespace {

constexpr int kCell = 16;

// The mean colour of the `width` lines (columns, or rows when `rows` is
// set) starting at line `first`, at position i along them; lines wrap.
Rgb Band(const Texture& t, int first, int width, int i, bool rows)
{
    Rgb sum;
    for (int k = 0; k < width; ++k) {
        const Rgb c = rows ? t.At(i, first + k) : t.At(first + k, i);
        sum = {sum.r + c.r / width, sum.g + c.g / width, sum.b + c.b / width};
    }
    return sum;
}

// How much the picture changes across the edge after line `edge`: the mean
// difference between the bands of `width` lines on either side. Wide bands
// look past grain and one-texel joints to the shapes behind them.
double Step(const Texture& t, int edge, int width, bool rows)
{
    double sum = 0;
    for (int i = 0; i < kSide; ++i)
        sum += Distance(Band(t, edge - width + 1, width, i, rows), Band(t, edge + 1, width, i, rows));
    return sum / kSide;
}

// The step across the wrap over the largest step between interior
// neighbours, for the band width where the wrap stands out most.
double SeamRatio(const Texture& t, bool rows)
{
    double worst = 0;
    for (int width : {1, 4, 8}) {
        double interior = 1e-6;
        for (int edge = 0; edge < kSide - 1; ++edge)
            interior = std::max(interior, Step(t, edge, width, rows));
        worst = std::max(worst, Step(t, kSide - 1, width, rows) / interior);
    }
    return worst;
}

constexpr double kSeamLimit = 1.25;

std::vector<std::string> Surfaces()
{
    std::vector<std::string> names = kFloorNames;
    names.insert(names.end(), kWallNames.begin(), kWallNames.end());
    return names;
}

TEST(Surfaces, TheWrapIsNoHarderThanTheInteriorSteps)
{
    for (const std::string& name : Surfaces()) {
        const Texture t = ReadTexture(BuiltTexturePath(name));
        ASSERT_EQ(t.bytes.size(), kFileBytes) << name;
        for (bool rows : {false, true}) {
            SCOPED_TRACE(name + (rows ? " across rows" : " across columns"));
            EXPECT_LT(SeamRatio(t, rows), kSeamLimit);
        }
    }
}

// A grey picture whose brightness depends on the column through `shade`.
Texture ColumnShades(const std::function<double(int column)>& shade)
{
    Texture t{std::vector<std::uint8_t>(kFileBytes)};
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x)
            for (int k = 0; k < 3; ++k)
                t.bytes[(y * kSide + x) * 3 + k] = static_cast<std::uint8_t>(std::lround(shade(x) * 255));
    return t;
}

// The measure tells a ramp, which jumps back at the wrap, from a ramp that
// goes up and down again.
TEST(Surfaces, TheSeamMeasureTellsARampFromATilingWave)
{
    const Texture ramp = ColumnShades([](int x) { return x / 255.0; });
    const Texture wave = ColumnShades([](int x) { return std::abs(x - 128) / 128.0; });
    EXPECT_GT(SeamRatio(ramp, false), 10 * kSeamLimit);
    EXPECT_LT(SeamRatio(wave, false), kSeamLimit);
}

// The mean luminance at each texel position inside the 16-texel cells,
// across the columns (or down the rows), minus the mean of all positions.
std::vector<double> CellProfile(const Texture& t, bool rows)
{
    std::vector<double> profile(kCell, 0.0);
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x)
            profile[(rows ? y : x) % kCell] += Luminance(t.At(x, y)) / (kSide * kSide / kCell);
    const double mean = std::accumulate(profile.begin(), profile.end(), 0.0) / kCell;
    for (double& p : profile)
        p = std::fabs(p - mean);
    return profile;
}

// Each wall cell reads as a block: the strongest mark across a cell, light
// or dark, is its own rim, not something inside it.
TEST(Surfaces, WallBlocksFollowTheCellGrid)
{
    for (const std::string& name : kWallNames) {
        const Texture t = ReadTexture(BuiltTexturePath(name));
        ASSERT_EQ(t.bytes.size(), kFileBytes) << name;
        for (bool rows : {false, true}) {
            SCOPED_TRACE(name + (rows ? " down the rows" : " across the columns"));
            const std::vector<double> profile = CellProfile(t, rows);
            const double rim = std::max(profile.front(), profile.back());
            const double inside = *std::max_element(profile.begin() + 1, profile.end() - 1);
            EXPECT_GT(rim, 1.1 * inside);
        }
    }
}

TEST(Surfaces, FloorsStayQuietAndUnlikeTheSpheres)
{
    const Rgb spheres[] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    for (const std::string& name : kFloorNames) {
        SCOPED_TRACE(name);
        const Texture t = ReadTexture(BuiltTexturePath(name));
        ASSERT_EQ(t.bytes.size(), kFileBytes);
        double sum = 0, squares = 0, closest = 1;
        for (int y = 0; y < kSide; ++y)
            for (int x = 0; x < kSide; ++x) {
                const double l = Luminance(t.At(x, y));
                sum += l;
                squares += l * l;
                for (const Rgb& sphere : spheres)
                    closest = std::min(closest, Distance(t.At(x, y), sphere));
            }
        const double mean = sum / (kSide * kSide);
        EXPECT_LT(std::sqrt(squares / (kSide * kSide) - mean * mean), 0.08);
        EXPECT_GT(closest, 0.3);
    }
}

}  // namespace
