// The text writer: glyphs drawn at a valid raster position only, the size
// of the characters, and the codes that have no glyph.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <string>

#include "shell_support.h"
#include "texter.h"

using shelltest::GLContextTest;

namespace {

struct Box {
    int lit = 0;
    int left = 1 << 20, right = -1, top = 1 << 20, bottom = -1;
};

// The lit pixels of a frame and the box around them (rows from the top).
Box LitPixels(const platform::Frame& frame) {
    Box box;
    for (int y = 0; y < frame.height; ++y) {
        for (int x = 0; x < frame.width; ++x) {
            if (frame.Pixel(x, y)[0] < 128) continue;
            ++box.lit;
            box.left = std::min(box.left, x);
            box.right = std::max(box.right, x);
            box.top = std::min(box.top, y);
            box.bottom = std::max(box.bottom, y);
        }
    }
    return box;
}

float RasterX() {
    GLfloat position[4];
    glGetFloatv(GL_CURRENT_RASTER_POSITION, position);
    return position[0];
}

class TexterTest : public GLContextTest {
protected:
    void SetUp() override {
        GLContextTest::SetUp();
        writer.Load();
        PixelProjection();
    }
    void TearDown() override {
        writer.Unload();
        GLContextTest::TearDown();
    }
    const platform::Frame& Draw(int x, int y, const char* text) {
        glClear(GL_COLOR_BUFFER_BIT);
        writer.Write(x, y, text);
        return Present();
    }
    Texter writer;
};

TEST_F(TexterTest, TextRunsRightFromItsBaseline) {
    Box box = LitPixels(Draw(20, 100, "HHHH HHHHH"));
    ASSERT_GT(box.lit, 0);
    const int baselineRow = 240 - 100;
    // Capitals of a 24-pixel bold face: about two thirds of the em tall,
    // standing on the baseline; every character, the space too, advances
    // about 0.6 em.
    EXPECT_GE(box.left, 20);
    EXPECT_LE(box.left, 24);
    EXPECT_NEAR(box.bottom, baselineRow - 1, 1);
    EXPECT_GE(box.bottom - box.top + 1, 14);
    EXPECT_LE(box.bottom - box.top + 1, 19);
    EXPECT_GE(box.right - box.left + 1, 120);
    EXPECT_LE(box.right - box.left + 1, 150);
    EXPECT_NEAR(RasterX() - 20, 144, 10);
}

// Outside the view volume the raster position is invalid and nothing is
// drawn, not even the parts of the text that would reach into the view.
TEST_F(TexterTest, DrawsOnlyFromAValidRasterPosition) {
    struct Case {
        int x, y;
        bool drawn;
    };
    for (const Case& c : {Case{0, 0, true}, Case{300, 230, true}, Case{-1, 100, false}, Case{-30, 100, false},
                          Case{100, -5, false}, Case{100, 241, false}, Case{321, 100, false}}) {
        EXPECT_EQ(LitPixels(Draw(c.x, c.y, "WWW")).lit > 0, c.drawn) << c.x << ", " << c.y;
    }
}

TEST_F(TexterTest, CodesWithoutGlyphDrawNothingAndDoNotAdvance) {
    const platform::Frame plain = Draw(20, 100, "AB");
    const float plainEnd = RasterX();
    const platform::Frame mixed = Draw(20, 100, "\x01" "A\x1f\x80\xff" "B\x9f");
    EXPECT_TRUE(plain.rgba == mixed.rgba);
    EXPECT_EQ(RasterX(), plainEnd);

    for (const char* nothing : {"", "\x01\x02\x1f", "\x80\xc3\xa9\xff"}) {
        EXPECT_EQ(LitPixels(Draw(20, 100, nothing)).lit, 0);
        EXPECT_EQ(RasterX(), 20.0f);
    }
}

// Without a font the lists still exist: text takes its room, shows nothing.
class NoFontPlatform : public platform::HeadlessPlatform {
public:
    std::string FindFontFile(const char*, int) override { return ""; }
};

class TexterWithoutFontTest : public TexterTest {
protected:
    platform::HeadlessPlatform& Backend() override { return noFont; }
    NoFontPlatform noFont;
};

TEST_F(TexterWithoutFontTest, TextAdvancesButShowsNothing) {
    EXPECT_EQ(LitPixels(Draw(20, 100, "abc")).lit, 0);
    EXPECT_GT(RasterX(), 20.0f + 3 * 10);
}

}  // namespace
