// Page pictures are stretched over the 1024 by 768 page: texel (x, y)
// covers page x 4x..4x+4 and y 3y..3y+3. The buttons the game takes clicks
// on must be drawn at exactly those rectangles.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "texture.h"

namespace {

struct Button {
    const char* page;
    const char* label;
    int x1, y1, x2, y2;  // page coordinates
};

const Button kButtons[] = {
    {"MainPage", "play", 700, 20, 1000, 60},
    {"MainPage", "options", 700, 80, 1000, 120},
    {"MainPage", "quit", 700, 710, 1000, 750},
    {"OptionsPage", "640 x 480", 150, 50, 300, 100},
    {"OptionsPage", "800 x 600", 350, 50, 500, 100},
    {"OptionsPage", "1024 x 768", 550, 50, 700, 100},
    {"OptionsPage", "1280 x 960", 750, 50, 900, 100},
    {"OptionsPage", "16 bits", 150, 150, 300, 200},
    {"OptionsPage", "24 bits", 350, 150, 500, 200},
    {"OptionsPage", "32 bits", 550, 150, 700, 200},
    {"OptionsPage", "back", 700, 710, 1000, 750},
};

constexpr double kTexelWidth = 4, kTexelHeight = 3;

struct Region {
    double sumLuminance = 0, sumSquares = 0;
    Rgb sum;
    int count = 0;

    void Add(Rgb c)
    {
        const double l = Luminance(c);
        sumLuminance += l;
        sumSquares += l * l;
        sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
        ++count;
    }
    Rgb Mean() const { return {sum.r / count, sum.g / count, sum.b / count}; }
    double LuminanceSpread() const
    {
        const double mean = sumLuminance / count;
        return std::sqrt(sumSquares / count - mean * mean);
    }
};

// Texels wholly inside the button, and those wholly outside it but within
// `ring` texels of it.
void Measure(const Texture& t, const Button& b, int ring, Region& inside, Region& outside)
{
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) {
            const double left = x * kTexelWidth, right = left + kTexelWidth;
            const double top = y * kTexelHeight, bottom = top + kTexelHeight;
            if (left >= b.x1 && right <= b.x2 && top >= b.y1 && bottom <= b.y2)
                inside.Add(t.At(x, y));
            const bool apart = right <= b.x1 || left >= b.x2 || bottom <= b.y1 || top >= b.y2;
            const bool near = right > b.x1 - ring * kTexelWidth && left < b.x2 + ring * kTexelWidth &&
                              bottom > b.y1 - ring * kTexelHeight && top < b.y2 + ring * kTexelHeight;
            if (apart && near)
                outside.Add(t.At(x, y));
        }
}

TEST(Pages, EachButtonStandsOutFromWhatSurroundsItsRectangle)
{
    for (const Button& b : kButtons) {
        SCOPED_TRACE(std::string(b.page) + " " + b.label);
        const Texture t = ReadTexture(BuiltTexturePath(b.page));
        ASSERT_EQ(t.bytes.size(), kFileBytes);
        Region inside, outside;
        Measure(t, b, 3, inside, outside);
        EXPECT_GT(Distance(inside.Mean(), outside.Mean()), 0.15);
        // The label: light and dark within the plate.
        EXPECT_GT(inside.LuminanceSpread(), 0.08);
    }
}

// The options page outlines the current choices with one blue line on the
// rectangle's edge; the picture there must not be blue, or the mark vanishes.
TEST(Pages, TheOptionOutlinesFallOnAColourTheyShowOn)
{
    const Texture t = ReadTexture(BuiltTexturePath("OptionsPage"));
    ASSERT_EQ(t.bytes.size(), kFileBytes);
    const Rgb blue{0, 0, 1};
    for (const Button& b : kButtons) {
        if (std::string(b.page) != "OptionsPage" || std::string(b.label) == "back")
            continue;
        SCOPED_TRACE(b.label);
        const int left = static_cast<int>(b.x1 / kTexelWidth), right = static_cast<int>(b.x2 / kTexelWidth);
        const int top = static_cast<int>(b.y1 / kTexelHeight), bottom = static_cast<int>(b.y2 / kTexelHeight);
        double nearest = 1;
        for (int x = left; x <= right; ++x)
            for (int y : {top, bottom})
                nearest = std::min(nearest, Distance(t.At(x, y), blue));
        for (int y = top; y <= bottom; ++y)
            for (int x : {left, right})
                nearest = std::min(nearest, Distance(t.At(x, y), blue));
        EXPECT_GT(nearest, 0.45);
    }
}

// A flat or nearly flat page means the painting went wrong.
TEST(Pages, EveryPageIsAPictureNotAFlatColour)
{
    for (const std::string& name : kPageNames) {
        SCOPED_TRACE(name);
        const Texture t = ReadTexture(BuiltTexturePath(name));
        ASSERT_EQ(t.bytes.size(), kFileBytes);
        Region all;
        for (int y = 0; y < kSide; ++y)
            for (int x = 0; x < kSide; ++x)
                all.Add(t.At(x, y));
        EXPECT_GT(all.LuminanceSpread(), 0.1);
    }
}

}  // namespace
