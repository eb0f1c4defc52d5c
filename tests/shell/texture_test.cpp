// Texture files: what a file of each length becomes, and a page picture
// seen on screen.
#include <gtest/gtest.h>

#include <GL/gl.h>

#include <string>
#include <vector>

#include "MenuPages/mainpage.h"
#include "gamedir.h"
#include "shell_support.h"
#include "texturefile.h"

using platform::HeadlessPlatform;
using shelltest::GLContextTest;

namespace {

// The stand-in for missing bytes: magenta and black squares of 32 texels,
// magenta at the top-left.
std::string Checker() {
    std::string bytes(kTextureFileBytes, '\0');
    for (int t = 0; t < 256; ++t) {
        for (int s = 0; s < 256; ++s) {
            if ((s / 32 + t / 32) % 2) continue;
            size_t i = (static_cast<size_t>(t) * 256 + s) * 3;
            bytes[i] = bytes[i + 2] = static_cast<char>(255);
        }
    }
    return bytes;
}

std::string Pattern(size_t length) {
    std::string bytes(length, '\0');
    for (size_t i = 0; i < length; ++i) bytes[i] = static_cast<char>((i * 7 + i / 768) % 251);
    return bytes;
}

class TextureFileTest : public GLContextTest {
protected:
    ScopedGameDir dir;
};

TEST_F(TextureFileTest, FileLengthDecidesWhatTheTextureHolds) {
    struct Case {
        const char* name;
        bool exists;
        size_t length;
        int filter;
        int whole;
    };
    const Case cases[] = {
        {"missing", false, 0, GL_LINEAR, 0},
        {"empty", true, 0, GL_NEAREST, 0},
        {"ten rows", true, 10 * 768, GL_LINEAR, 0},
        {"one byte short", true, kTextureFileBytes - 1, GL_NEAREST, 0},
        {"exact", true, kTextureFileBytes, GL_NEAREST, 1},
        {"longer", true, kTextureFileBytes + 1000, GL_LINEAR, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string file = Pattern(c.length);
        dir.Remove("Textures/Probe.txu");
        if (c.exists) dir.Write("Textures/Probe.txu", file);

        GLuint texture;
        glGenTextures(1, &texture);
        EXPECT_EQ(LoadTextureFile("Textures\\Probe.txu", texture, c.filter), c.whole);

        // What the file has, then the checker where it runs out.
        std::string expected = Checker();
        expected.replace(0, std::min(c.length, expected.size()), file, 0, std::min(c.length, expected.size()));
        std::string texels(kTextureFileBytes, '\0');
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, &texels[0]);
        EXPECT_TRUE(texels == expected);

        GLint min = 0, mag = 0;
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &min);
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &mag);
        EXPECT_EQ(min, c.filter);
        EXPECT_EQ(mag, c.filter);
        glDeleteTextures(1, &texture);
    }
}

// The picture's first row lies along the top of the screen: a page picture
// red in its first row and black below shows a thin red band at the top.
TEST(PagePictureTest, FirstRowRunsAlongTheTopOfTheScreen) {
    struct Case {
        const char* name;
        size_t length;
    };
    for (const Case& c : {Case{"exact", kTextureFileBytes}, Case{"longer", kTextureFileBytes + 4096}}) {
        SCOPED_TRACE(c.name);
        ScopedGameDir dir;
        dir.Write("Textures/StartPage.txu", shelltest::RedTopTexture(1, c.length));
        HeadlessPlatform os;
        os.KeepAllFrames(true);
        shelltest::RunScripted(os, [](HeadlessPlatform& p) {
            if (shelltest::Showing<MainPage>()) p.PostClose();
        });
        ASSERT_FALSE(os.AllFrames().empty());
        const platform::Frame& splash = os.AllFrames()[0];
        for (int x : {0, splash.width / 2, splash.width - 1}) {
            EXPECT_TRUE(shelltest::IsReddish(splash.Pixel(x, 0))) << "x " << x;
            // Not the last row: filtering across the repeat seam tints it.
            for (int y : {6, splash.height / 2, splash.height - 3})
                EXPECT_TRUE(shelltest::IsBlack(splash.Pixel(x, y))) << x << ", " << y;
        }
    }
}

// A missing picture shows the checker over the screen, a short one its own
// rows above the checker.
TEST(PagePictureTest, MissingOrShortPictureShowsTheChecker) {
    struct Case {
        const char* name;
        bool exists;
        int redRows;
    };
    for (const Case& c : {Case{"missing", false, 0}, Case{"sixteen red rows", true, 16}}) {
        SCOPED_TRACE(c.name);
        ScopedGameDir dir;
        dir.Remove("Textures/StartPage.txu");
        if (c.exists) dir.Write("Textures/StartPage.txu", shelltest::RedTopTexture(c.redRows, c.redRows * 768));
        HeadlessPlatform os;  // 640 by 480: a checker square is 80 by 60 pixels
        os.KeepAllFrames(true);
        shelltest::RunScripted(os, [](HeadlessPlatform& p) {
            if (shelltest::Showing<MainPage>()) p.PostClose();
        });
        ASSERT_FALSE(os.AllFrames().empty());
        const platform::Frame& splash = os.AllFrames()[0];
        const std::uint8_t* top = splash.Pixel(40, 10);
        EXPECT_TRUE(c.exists ? shelltest::IsRed(top) : shelltest::IsMagenta(top));
        struct Probe {
            int x, y;
            bool magenta;
        };
        for (const Probe& p : {Probe{40, 50, true}, Probe{120, 45, false}, Probe{120, 90, true},
                               Probe{120, 150, false}, Probe{600, 450, true}, Probe{520, 450, false}}) {
            const std::uint8_t* pixel = splash.Pixel(p.x, p.y);
            EXPECT_TRUE(p.magenta ? shelltest::IsMagenta(pixel) : shelltest::IsBlack(pixel)) << p.x << ", " << p.y;
        }
    }
}

}  // namespace
