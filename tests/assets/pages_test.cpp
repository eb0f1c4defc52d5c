// Page pictures are stretched over the 1024 by 768 page: texel (x, y)
// covers page x 4x..4x+4 and y 3y..3y+3. The buttons the game takes clicks
// on must be drawn at exactly those rectangles.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "texture.h"

namespace {

struct Region {
    double sumLuminance = 0, sumSquares = 0;
    Rgb sum;
    int count = 0;

    void Add(Rgb c) {
        const double l = Luminance(c);
        sumLuminance += l, sumSquares += l * l, ++count;
        sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
    }
    Rgb Mean() const { return {sum.r / count, sum.g / count, sum.b / count}; }
    double LuminanceSpread() const { return std::sqrt(sumSquares / count - std::pow(sumLuminance / count, 2)); }
};

TEST(Pages, EachButtonStandsOutFromWhatSurroundsItsRectangle) {
    const struct {
        const char *page, *label;
        int x1, y1, x2, y2;  // page coordinates
    } buttons[] = {
        {"MainPage", "play", 700, 20, 1000, 60},           {"MainPage", "options", 700, 80, 1000, 120},
        {"MainPage", "quit", 700, 710, 1000, 750},         {"OptionsPage", "640 x 480", 150, 50, 300, 100},
        {"OptionsPage", "800 x 600", 350, 50, 500, 100},   {"OptionsPage", "1024 x 768", 550, 50, 700, 100},
        {"OptionsPage", "1280 x 960", 750, 50, 900, 100},  {"OptionsPage", "16 bits", 150, 150, 300, 200},
        {"OptionsPage", "24 bits", 350, 150, 500, 200},    {"OptionsPage", "32 bits", 550, 150, 700, 200},
        {"OptionsPage", "back", 700, 710, 1000, 750},
    };
    const int ring = 3;  // texels around the button that count as its surroundings
    for (const auto& b : buttons) {
        SCOPED_TRACE(std::string(b.page) + " " + b.label);
        const Texture t = ReadTexture(b.page);
        ASSERT_EQ(t.bytes.size(), kFileBytes);
        Region inside, outside;
        for (int y = 0; y < kSide; ++y)
            for (int x = 0; x < kSide; ++x) {
                const int left = 4 * x, right = left + 4, top = 3 * y, bottom = top + 3;
                if (left >= b.x1 && right <= b.x2 && top >= b.y1 && bottom <= b.y2) inside.Add(t.At(x, y));
                const bool apart = right <= b.x1 || left >= b.x2 || bottom <= b.y1 || top >= b.y2;
                if (apart && right > b.x1 - 4 * ring && left < b.x2 + 4 * ring && bottom > b.y1 - 3 * ring &&
                    top < b.y2 + 3 * ring)
                    outside.Add(t.At(x, y));
            }
        EXPECT_GT(Distance(inside.Mean(), outside.Mean()), 0.15);
        EXPECT_GT(inside.LuminanceSpread(), 0.08);  // the label: light and dark within the plate
    }
}

}  // namespace
