// The order in which depth-buffer sizes are tried for a pixel format.
#include <gtest/gtest.h>

#include <vector>

#include "platform/depth_sizes.h"

namespace {

TEST(DepthPreference, RequestFirstThenClosestNeverNone) {
    const struct {
        int requested;
        std::vector<int> order;
    } cases[] = {
        // 16 and 32 tie in distance from 24: the larger first.
        {32, {32, 24, 16}}, {24, {24, 32, 16}}, {16, {16, 24, 32}}, {8, {8, 16, 24, 32}}, {20, {20, 24, 16, 32}},
        {0, {0}}, {-1, {0}},
    };
    for (const auto& c : cases) EXPECT_EQ(platform::DepthPreference(c.requested), c.order) << c.requested;
}

}  // namespace
