// The shell's pieces below the page loop: input scaling, the main menu's
// buttons, the two-second pages, texture files and the text writer.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>

#include "MenuPages/congratulationspage.h"
#include "MenuPages/gameoverpage.h"
#include "MenuPages/mainpage.h"
#include "MenuPages/startpage.h"
#include "Sound/sound.h"
#include "headless_world.h"
#include "rand15.h"
#include "sound_log.h"
#include "texter.h"
#include "texturefile.h"

namespace {

// Started up at 320 by 240 on a private backend and game folder.
class GLContextTest : public ::testing::Test {
protected:
    HeadlessWorld world{320, 240};
    platform::HeadlessPlatform& os = world.backend;
    const ScopedGameDir& dir = world.dir;
};

TEST_F(GLContextTest, MousePositionsScaleToPageSpace) {
    struct Recorder : PageBase {
        int x = -1, y = -1, but = -1;
        void MouseUp(int px, int py, int b) override { x = px, y = py, but = b; }
    } page;
    currentPage = &page;
    // The last row: the position's halves are unsigned.
    for (auto c : std::vector<std::vector<int>>{{1280, 1024, 640, 512, 512, 384}, {1024, 768, 1023, 767, 1023, 767},
                                                {800, 600, 799, 599, 1022, 766}, {1024, 768, 65535, 1, 65535, 1}}) {
        ScreenWidth = c[0], ScreenHeight = c[1];
        WndProc(hWnd, WM_RBUTTONUP, 0, platform::PackPoint(c[2], c[3]));
        EXPECT_EQ(std::vector<int>({page.x, page.y, page.but}), std::vector<int>({c[4], c[5], 1}));
    }
    currentPage = nullptr;
}

// A close, as a backend that dispatches itself delivers it through the
// seam: the window goes at once, the quit message follows, the running page
// and the program end; a second close finds nothing left to destroy.
TEST_F(GLContextTest, CloseDestroysTheWindowAndEndsTheRun) {
    PageBase page;
    currentPage = &page;
    GameRunning = 1;
    const platform::MessageHandler shell = platform::ShellMessageHandler();
    ASSERT_TRUE(shell);
    for (int close = 0; close < 2; ++close) {
        shell(WM_CLOSE, 0, 0);
        EXPECT_FALSE(os.WindowExists() || hWnd || GameRunning);
        EXPECT_TRUE(page.finishRun);
    }
    std::vector<unsigned> queued;
    for (platform::Message m; os.PollMessage(&m);) queued.push_back(m.message);
    EXPECT_EQ(queued, std::vector<unsigned>{WM_QUIT});
    currentPage = nullptr;
}

// The first values that generator is known for, from seeds 1 and 0.
TEST(Rand15Test, FollowsTheClassic15BitGenerator) {
    std::vector<int> got;
    for (unsigned seed : {1u, 0u}) {
        SRand15(seed);
        for (int i = 0; i < 3; ++i) got.push_back(Rand15());
    }
    EXPECT_EQ(got, (std::vector<int>{41, 18467, 6334, 38, 7719, 21238}));
}

TEST_F(GLContextTest, MainMenuActsOnlyOnALeftReleaseStrictlyInsideAButton) {
    const std::string none, quit = "GameOver.wav:0", options = "Click.wav:0", play = "Play.wav:0";
    const struct {
        int x, y, but;
        std::string sound;
    } cases[] = {
        {701, 21, 0, play}, {999, 59, 0, play}, {701, 81, 0, options}, {999, 119, 0, options}, {701, 711, 0, quit},
        {999, 749, 0, quit}, {700, 40, 0, none}, {1000, 40, 0, none}, {850, 20, 0, none}, {850, 60, 0, none},
        {850, 80, 0, none}, {850, 120, 0, none}, {850, 710, 0, none}, {850, 750, 0, none}, {850, 70, 0, none},
        {850, 40, 1, none}, {850, 730, 1, none},
    };
    for (const auto& c : cases) {
        const size_t sounds = os.Sounds().size();
        GameRunning = 1;
        MainPage page;
        page.MouseUp(c.x, c.y, c.but);
        EXPECT_EQ(SoundLog(os, sounds), c.sound) << c.x << ", " << c.y << " button " << c.but;
        EXPECT_EQ(page.finishRun, !c.sound.empty());
        EXPECT_EQ(GameRunning, c.sound != quit);
        EXPECT_EQ(nextPage != nullptr, c.sound == play || c.sound == options);
        nextPage = nullptr;
    }
}

// Each page shows its own file over the whole screen for one frame, first
// row along the top, then requests its sound, waits two seconds and queues
// the main menu.
TEST_F(GLContextTest, TwoSecondPagesShowTheirPictureThenQueueTheMenu) {
    const struct {
        std::function<PageBase*()> make;
        const char *file, *sound;
        int r, g, b;
    } cases[] = {
        {[] { return new startPage; }, "Textures/StartPage.txu", "Start.wav:1", 255, 255, 0},
        {[] { return new gameoverPage; }, "Textures/gameoverPage.txu", "GameOver.wav:1", 0, 255, 0},
        {[] { return new congratulationsPage; }, "Textures/congratulationsPage.txu", "Win.wav:1", 0, 0, 255},
    };
    auto near = [](const std::uint8_t* p, int r, int g, int b, int tolerance) {
        return std::abs(p[0] - r) <= tolerance && std::abs(p[1] - g) <= tolerance && std::abs(p[2] - b) <= tolerance;
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        std::string bytes;  // one red row, then the page's own colour; 30 bytes too many
        for (int i = 0; i < 256 * 256 + 10; ++i)
            bytes += i < 256 ? std::string("\xff\0\0", 3) : std::string{char(c.r), char(c.g), char(c.b)};
        dir.Write(c.file, bytes);
        const size_t sounds = os.Sounds().size();
        GameRunning = 1;
        std::unique_ptr<PageBase> page(c.make());
        currentPage = page.get();
        const int frames = os.FramesPresented();
        page->Run();
        EXPECT_EQ(os.FramesPresented() - frames, 1);
        for (int x : {0, 160, 319}) {
            EXPECT_TRUE(near(os.LastFrame().Pixel(x, 0), 200, 0, 0, 80)) << x;  // filtering blends the thin band a little
            for (int y : {6, 120, 237}) EXPECT_TRUE(near(os.LastFrame().Pixel(x, y), c.r, c.g, c.b, 8)) << x << ", " << y;
        }
        EXPECT_EQ(os.Sleeps().back(), 2000u);
        EXPECT_EQ(SoundLog(os, sounds), c.sound);
        EXPECT_TRUE(dynamic_cast<MainPage*>(static_cast<PageBase*>(nextPage)));
        nextPage = nullptr;
        currentPage = nullptr;
    }
}

// A WAV file: RIFF header, an optional chunk before "fmt ", and a data
// chunk that claims `claimed` bytes but holds `held`.
std::string Wav(unsigned byteRate, unsigned claimed, unsigned held, bool extraChunk = false) {
    auto le32 = [](unsigned v) { return std::string{char(v), char(v >> 8), char(v >> 16), char(v >> 24)}; };
    std::string fmt = std::string("\x01\0\x01\0", 4) + le32(byteRate) + le32(byteRate) + std::string("\x01\0\x08\0", 4);
    std::string body = "WAVE" + (extraChunk ? "LIST" + le32(3) + "abc" + '\0' : "") + "fmt " + le32(16) + fmt + "data" +
                       le32(claimed) + std::string(held, '\x80');
    return "RIFF" + le32(body.size()) + body;
}

// A sound that waits costs its samples at the header's byte rate, whatever chunk comes before "fmt " and
// however short the data falls of its claim; a zero rate costs nothing. Plain, missing and broken files
// are the whole game's case (FullGame.SoundFilesChangeOnlyTheWaits).
TEST_F(GLContextTest, SoundWaitsFollowTheHeldSamples) {
    const struct {
        const char* name;
        std::string bytes;
        long cost;
    } cases[] = {
        {"Gulp.wav", Wav(22050, 44100, 44100, true), 2000}, {"Ouch.wav", Wav(1000, 9000, 250), 250},
        {"Play.wav", Wav(0, 100, 100), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        dir.Write(std::string("Sounds/") + c.name, c.bytes);
        const long before = os.Now();
        Sound::Play(c.name, 0);
        EXPECT_EQ(os.Now() - before, c.cost);
    }
}

// Missing bytes show a magenta and black checker of 32-texel squares; what a
// short file has stays; a long file's extra bytes are ignored.
TEST_F(GLContextTest, TextureFileLengths) {
    for (long length : {-1L, 0L, 7680L, kTextureFileBytes - 1L, long(kTextureFileBytes), kTextureFileBytes + 1000L}) {
        SCOPED_TRACE(length);  // -1: no file
        std::string file(std::max(length, 0L), '\0');
        for (size_t i = 0; i < file.size(); ++i) file[i] = static_cast<char>((i * 7 + i / 768) % 251);
        dir.Remove("Textures/Probe.txu");
        if (length >= 0) dir.Write("Textures/Probe.txu", file);
        const GLint filter = length % 2 ? GL_NEAREST : GL_LINEAR;
        GLuint texture;
        glGenTextures(1, &texture);
        EXPECT_EQ(LoadTextureFile("Textures\\Probe.txu", texture, filter), length >= kTextureFileBytes);
        std::string expected(kTextureFileBytes, '\0'), texels(kTextureFileBytes, '\0');
        for (size_t i = 0; i < expected.size(); i += 3)
            if ((i / 3 % 256 / 32 + i / 768 / 32) % 2 == 0) expected[i] = expected[i + 2] = '\xff';
        expected.replace(0, std::min(file.size(), expected.size()), file.substr(0, expected.size()));
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, &texels[0]);
        EXPECT_TRUE(texels == expected);
        GLint min = 0, mag = 0;
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &min);
        glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &mag);
        EXPECT_EQ(std::vector<GLint>({min, mag}), std::vector<GLint>({filter, filter}));
        glDeleteTextures(1, &texture);
    }
}

// Text written at (x, y) in a pixel projection: its lit pixels, their
// bounds (rows from the top), and where the raster position ends up.
struct Text {
    int lit = 0, left = 9999, bottom = -1;
    float endX = 0;
};

TEST_F(GLContextTest, TextWriter) {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 320, 0, 240, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    auto write = [&](int x, int y, const char* text) {
        glClear(GL_COLOR_BUFFER_BIT);
        texter->Write(x, y, text);
        GLfloat raster[4];
        glGetFloatv(GL_CURRENT_RASTER_POSITION, raster);
        SwapGLBuffers();
        Text t;
        t.endX = raster[0];
        for (int py = 0; py < 240; ++py)
            for (int px = 0; px < 320; ++px)
                if (os.LastFrame().Pixel(px, py)[0] >= 128) ++t.lit, t.left = std::min(t.left, px), t.bottom = py;
        return t;
    };
    // Capitals of a 24-pixel bold face stand on the baseline (row 140 from
    // the top); every character, the space too, advances about 0.6 em.
    Text text = write(20, 100, "HHHH HHHHH");
    EXPECT_NEAR(text.left, 21, 2);
    EXPECT_NEAR(text.bottom, 139, 1);
    EXPECT_NEAR(text.endX - 20, 144, 10);
    // Codes without a glyph draw nothing and do not move the position.
    Text plain = write(20, 100, "AB"), mixed = write(20, 100, "\x01" "A\x1f\x80\xff" "B\x9f");
    EXPECT_EQ(std::vector<float>({float(mixed.lit), mixed.endX}), std::vector<float>({float(plain.lit), plain.endX}));
    EXPECT_EQ(write(20, 100, "\x02\xc3\xa9").endX, 20.0f);
}

}  // namespace
