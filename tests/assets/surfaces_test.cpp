// Surface textures repeat every 16 by 16 cells of 16 by 16 texels: the wrap must not show, walls must
// form one block per cell, and floors must stay quiet under the red, green and blue spheres.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

#include "texture.h"

namespace {

constexpr int kCell = 16;

// Mean difference between the mean colours of the `width` columns (rows) either side of the edge after
// `edge`, wrapping; wide bands look past grain and one-texel joints to the shapes behind them.
double Step(const Texture& t, int edge, int width, bool rows) {
    auto band = [&](int first, int i) {
        Rgb sum;
        for (int k = 0; k < width; ++k) {
            const Rgb c = rows ? t.At(i, first + k) : t.At(first + k, i);
            sum = {sum.r + c.r / width, sum.g + c.g / width, sum.b + c.b / width};
        }
        return sum;
    };
    double sum = 0;
    for (int i = 0; i < kSide; ++i) sum += Distance(band(edge - width + 1, i), band(edge + 1, i));
    return sum / kSide;
}

TEST(Surfaces, TheWrapIsNoHarderThanTheInteriorSteps) {
    std::vector<std::string> names = kFloorNames;
    names.insert(names.end(), kWallNames.begin(), kWallNames.end());
    for (const std::string& name : names) {
        const Texture t = ReadTexture(name);
        ASSERT_EQ(t.bytes.size(), kFileBytes) << name;
        for (bool rows : {false, true}) {
            // The wrap's step over the largest interior step, at the band width where the wrap shows most.
            double worst = 0;
            for (int width : {1, 4, 8}) {
                double interior = 1e-6;
                for (int edge = 0; edge < kSide - 1; ++edge) interior = std::max(interior, Step(t, edge, width, rows));
                worst = std::max(worst, Step(t, kSide - 1, width, rows) / interior);
            }
            EXPECT_LT(worst, 1.25) << name << (rows ? " across rows" : " across columns");
        }
    }
}

// Each wall cell reads as a block: its strongest mark, light or dark, is its rim, not inside it.
TEST(Surfaces, WallBlocksFollowTheCellGrid) {
    for (const std::string& name : kWallNames) {
        const Texture t = ReadTexture(name);
        ASSERT_EQ(t.bytes.size(), kFileBytes) << name;
        for (bool rows : {false, true}) {
            // Mean luminance at each position inside the cells, less the mean of all.
            std::vector<double> profile(kCell, 0.0);
            for (int i = 0; i < kSide * kSide; ++i)
                profile[(rows ? i / kSide : i % kSide) % kCell] += Luminance(t.At(i % kSide, i / kSide));
            const double mean = std::accumulate(profile.begin(), profile.end(), 0.0) / kCell;
            for (double& p : profile) p = std::fabs(p - mean);
            const double inside = *std::max_element(profile.begin() + 1, profile.end() - 1);
            EXPECT_GT(std::max(profile.front(), profile.back()), 1.1 * inside) << name << (rows ? " rows" : " columns");
        }
    }
}

TEST(Surfaces, FloorsStayQuietAndUnlikeTheSpheres) {
    for (const std::string& name : kFloorNames) {
        const Texture t = ReadTexture(name);
        ASSERT_EQ(t.bytes.size(), kFileBytes) << name;
        double sum = 0, squares = 0, closest = 1;
        for (int i = 0; i < kSide * kSide; ++i) {
            const Rgb c = t.At(i % kSide, i / kSide);
            sum += Luminance(c), squares += Luminance(c) * Luminance(c);
            for (const Rgb& sphere : {Rgb{1, 0, 0}, Rgb{0, 1, 0}, Rgb{0, 0, 1}})
                closest = std::min(closest, Distance(c, sphere));
        }
        const double mean = sum / (kSide * kSide);
        EXPECT_LT(std::sqrt(squares / (kSide * kSide) - mean * mean), 0.08) << name;
        EXPECT_GT(closest, 0.3) << name;
    }
}

}  // namespace
