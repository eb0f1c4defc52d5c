// Page pictures stretch over the 1024 by 768 page (texel (x, y) covers x 4x..4x+4, y 3y..3y+3): the
// buttons must be drawn exactly where the game takes their clicks.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "MenuPages/pagelayout.h"
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
    std::vector<std::pair<const char*, PageRect>> buttons = {
        {kMainPagePicture, kPlayButton}, {kMainPagePicture, kOptionsButton}, {kMainPagePicture, kQuitButton},
        {kOptionsPagePicture, kBackButton}};
    for (const auto& choice : kScreenSizeChoices) buttons.push_back({kOptionsPagePicture, choice.rect});
    for (const auto& choice : kColourDepthChoices) buttons.push_back({kOptionsPagePicture, choice.rect});
    const int ring = 3;  // texels around the button that count as its surroundings
    for (const auto& [page, b] : buttons) {
        SCOPED_TRACE(std::string(page) + " at " + std::to_string(b.x1) + ", " + std::to_string(b.y1));
        const Texture t = ReadTexture(page);
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
