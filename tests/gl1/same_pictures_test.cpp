// The whole program drawn through the browser's GL layer gives the pictures
// Mesa's fixed-function GL gives: the menu, the options page's outlines, and
// a level frame with its lit spheres, textured cells and text read-out.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <string>

#include "Engine/engine.h"
#include "MenuPages/mainpage.h"
#include "MenuPages/optionspage.h"
#include "fixed_function.h"
#include "gamedir.h"
#include "settings_support.h"

namespace {

// A pixel differs when a channel is off by more than kChannelTolerance; at
// most kDifferingShare of a picture's pixels may differ. The layer lights
// and transforms in its own order of float operations, which can round a
// colour or a triangle's edge pixel differently from Mesa.
const int kChannelTolerance = 2;
const double kDifferingShare = 0.001;

using Pictures = std::map<std::string, platform::Frame>;

// Menu, options page, back, play; in level 1 the frame of the fifth step,
// and escape to the menu, where the run ends.
Pictures Play(const platform::DisplayMode& screen) {
    ScopedGameDir dir;
    platform::HeadlessPlatform os;
    os.SetDesktopMode(screen);
    Pictures pictures;
    int menus = 0;
    std::string glVersion;
    const int status = RunScripted(os, [&](platform::HeadlessPlatform& p, int calls) {
        if (glVersion.empty()) glVersion = reinterpret_cast<const char*>(glGetString(GL_VERSION));
        if (calls != 0 && !dynamic_cast<Engine*>(currentPage)) return;
        if (dynamic_cast<MainPage*>(currentPage)) {
            if (++menus == 1) pictures["menu"] = p.LastFrame();
            if (menus == 1) return ClickInside(p, kOptionsButton);
            if (menus == 2) return ClickInside(p, kPlayButton);
            return p.PostClose();
        }
        if (dynamic_cast<OptionsPage*>(currentPage)) {
            pictures["options"] = p.LastFrame();
            return ClickInside(p, kBackButton);
        }
        if (dynamic_cast<Engine*>(currentPage)) {
            if (calls == 5) {
                pictures["level"] = p.LastFrame();
                p.PostKeyDown(VK_ESCAPE);
            }
        }
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(pictures.size(), 3u);
    // The layer's shaders need GL 2.0 or later from the off-screen context.
    EXPECT_GE(std::atof(glVersion.c_str()), 2.0) << glVersion;
    return pictures;
}

struct Difference {
    int differing = 0;
    int largest = 0;
};

Difference Compare(const platform::Frame& a, const platform::Frame& b) {
    Difference d;
    for (size_t i = 0; i + 3 < a.rgba.size(); i += 4) {
        int worst = 0;
        for (size_t c = 0; c < 4; ++c) worst = std::max(worst, std::abs(int{a.rgba[i + c]} - int{b.rgba[i + c]}));
        d.largest = std::max(d.largest, worst);
        d.differing += worst > kChannelTolerance;
    }
    return d;
}

// Pixels of this many colours, at least: a picture, not a cleared screen.
int Colours(const platform::Frame& f) {
    std::map<unsigned, int> seen;
    for (size_t i = 0; i + 3 < f.rgba.size(); i += 4)
        seen[unsigned{f.rgba[i]} << 16 | unsigned{f.rgba[i + 1]} << 8 | f.rgba[i + 2]]++;
    return static_cast<int>(seen.size());
}

class SamePicturesTest : public ::testing::TestWithParam<platform::DisplayMode> {
protected:
    void TearDown() override { gl1::UseFixedFunction(nullptr); }
};

TEST_P(SamePicturesTest, TheLayerDrawsWhatMesaDraws) {
    gl1::UseFixedFunction(&MesaFixedFunction());
    const Pictures mesa = Play(GetParam());
    gl1::UseFixedFunction(nullptr);
    gl1::NewContext();
    const Pictures layer = Play(GetParam());
    for (const auto& [scene, expected] : mesa) {
        ASSERT_TRUE(layer.count(scene)) << scene;
        const platform::Frame& drawn = layer.at(scene);
        ASSERT_EQ(drawn.rgba.size(), expected.rgba.size()) << scene;
        EXPECT_GT(Colours(expected), 16) << scene;
        const Difference d = Compare(expected, drawn);
        const int pixels = expected.width * expected.height;
        EXPECT_LE(d.differing, kDifferingShare * pixels)
            << scene << ": " << d.differing << " of " << pixels << " pixels differ, by up to " << d.largest;
    }
}

// 4:3 shows the read-out; at 5:4 its start lies outside the view and
// neither draws it.
INSTANTIATE_TEST_SUITE_P(Screens, SamePicturesTest,
                         ::testing::Values(platform::DisplayMode{640, 480, 32}, platform::DisplayMode{640, 512, 32}),
                         [](const auto& screen) {
                             return std::to_string(screen.param.width) + "x" + std::to_string(screen.param.height);
                         });

}  // namespace
