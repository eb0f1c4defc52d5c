// The texture files the game loads: all there, the right size, and made the
// same way by every run of the painter.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>

#include "gamedir.h"
#include "texture.h"

namespace {

const std::string kTool = std::string(TRAMOX_BINARY_DIR) + "/tools/make_assets";

int RunTool(const std::string& arguments)
{
    const int status = std::system((kTool + " " + arguments + " 2>/dev/null").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(TextureFiles, EveryTextureIsBuiltWithExactlyTheRawImageSize)
{
    for (const std::string& name : AllTextureNames()) {
        SCOPED_TRACE(name);
        std::error_code error;
        EXPECT_EQ(std::filesystem::file_size(BuiltTexturePath(name), error), kFileBytes) << error.message();
    }
}

TEST(TextureFiles, TwoRunsWriteTheSameBytesAsTheBuild)
{
    ScopedGameDir scratch;
    for (const char* run : {"first", "second"}) {
        std::filesystem::create_directory(scratch.File(run));
        ASSERT_EQ(RunTool(scratch.File(run)), 0);
    }
    for (const std::string& name : AllTextureNames()) {
        SCOPED_TRACE(name);
        const Texture built = ReadTexture(BuiltTexturePath(name));
        ASSERT_EQ(built.bytes.size(), kFileBytes);
        EXPECT_TRUE(ReadTexture(scratch.File("first/" + name + ".txu")).bytes == built.bytes);
        EXPECT_TRUE(ReadTexture(scratch.File("second/" + name + ".txu")).bytes == built.bytes);
    }
}

TEST(TextureFiles, PreviewsAreWrittenBesideTheTextures)
{
    ScopedGameDir scratch;
    std::filesystem::create_directory(scratch.File("out"));
    std::filesystem::create_directory(scratch.File("preview"));
    ASSERT_EQ(RunTool(scratch.File("out") + " --preview " + scratch.File("preview")), 0);
    for (const std::string& name : AllTextureNames()) {
        SCOPED_TRACE(name);
        const std::string preview = scratch.Read("preview/" + name + ".ppm");
        EXPECT_EQ(preview.rfind("P6\n", 0), 0u);
    }
}

TEST(TextureFiles, AFolderThatCannotBeWrittenFailsTheRun)
{
    ScopedGameDir scratch;
    struct Case {
        const char* what;
        std::string arguments;
    };
    const Case cases[] = {
        {"missing output folder", scratch.File("absent")},
        {"missing preview folder", scratch.path() + " --preview " + scratch.File("absent")},
        {"no output folder at all", ""},
        {"unknown option", scratch.path() + " --shiny"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_NE(RunTool(c.arguments), 0);
    }
}

}  // namespace
