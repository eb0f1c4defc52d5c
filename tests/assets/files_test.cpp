// The asset tools: a run writes the build's bytes again (the texture files at
// the raw image size), and a folder that cannot be written fails it.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "Sound/soundfiles.h"
#include "gamedir.h"
#include "texture.h"

namespace {

int ExitStatus(const std::string& command) {
    const int status = std::system((command + " 2>/dev/null").c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(AssetTools, EachRunWritesTheBuildsBytesAgain) {
    ScopedGameDir scratch;  // holds the build's Textures/ and Sounds/
    std::filesystem::create_directory(scratch.File("preview"));
    ASSERT_EQ(ExitStatus(TRAMOX_MAKE_ASSETS " " + scratch.path() + " --preview " + scratch.File("preview")), 0);
    ASSERT_EQ(ExitStatus(TRAMOX_MAKE_SOUNDS " " + scratch.path()), 0);
    std::vector<std::string> names = kPageNames;
    names.insert(names.end(), kFloorNames.begin(), kFloorNames.end());
    names.insert(names.end(), kWallNames.begin(), kWallNames.end());
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const std::string built = scratch.Read("Textures/" + name + ".txu");
        EXPECT_EQ(built.size(), kFileBytes);
        EXPECT_TRUE(scratch.Read(name + ".txu") == built);
        EXPECT_EQ(scratch.Read("preview/" + name + ".ppm").rfind("P6\n", 0), 0u);
    }
    for (const char* name : sounds::kFiles)
        EXPECT_TRUE(scratch.Read(name) == scratch.Read(std::string("Sounds/") + name)) << name;
}

TEST(AssetTools, AFolderThatCannotBeWrittenFailsTheRun) {
    ScopedGameDir scratch;
    const std::string assets = TRAMOX_MAKE_ASSETS " ", absent = scratch.File("absent");
    for (const std::string& command : {assets + absent, assets + scratch.path() + " --preview " + absent, assets,
                                       assets + scratch.path() + " --shiny", TRAMOX_MAKE_SOUNDS " " + absent})
        EXPECT_NE(ExitStatus(command), 0) << command;
}

}  // namespace
