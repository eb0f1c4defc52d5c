// The texture files the game loads: all there, the right size, and made the
// same way by every run of the painter.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "gamedir.h"
#include "texture.h"

namespace {

int RunTool(const std::string& arguments) {
    const int status = std::system((std::string(TRAMOX_MAKE_ASSETS " ") + arguments + " 2>/dev/null").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Two more runs write the build's bytes again, the second with previews.
TEST(TextureFiles, EveryTextureHasTheRawImageSizeAndTheSameBytesEachRun) {
    ScopedGameDir scratch;
    for (const char* folder : {"first", "second", "preview"}) std::filesystem::create_directory(scratch.File(folder));
    ASSERT_EQ(RunTool(scratch.File("first")), 0);
    ASSERT_EQ(RunTool(scratch.File("second") + " --preview " + scratch.File("preview")), 0);
    std::vector<std::string> names = kPageNames;
    names.insert(names.end(), kFloorNames.begin(), kFloorNames.end());
    names.insert(names.end(), kWallNames.begin(), kWallNames.end());
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const Texture built = ReadTexture(name);
        EXPECT_EQ(built.bytes.size(), kFileBytes);
        EXPECT_TRUE(ReadTexture(scratch.File("first/" + name + ".txu")).bytes == built.bytes);
        EXPECT_TRUE(ReadTexture(scratch.File("second/" + name + ".txu")).bytes == built.bytes);
        EXPECT_EQ(scratch.Read("preview/" + name + ".ppm").rfind("P6\n", 0), 0u);
    }
}

TEST(TextureFiles, AFolderThatCannotBeWrittenFailsTheRun) {
    ScopedGameDir scratch;
    for (const std::string& arguments : {scratch.File("absent"), scratch.path() + " --preview " + scratch.File("absent"),
                                         std::string(), scratch.path() + " --shiny"}) {
        EXPECT_NE(RunTool(arguments), 0) << "make_assets " << arguments;
    }
}

}  // namespace
