// The installed game's per-player working folder, in a temporary tree.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>

#include "platform/linux/player_folder.h"

namespace fs = std::filesystem;
using platform::PlayerFolder;
using platform::PreparePlayerFolder;

namespace {

TEST(PlayerFolder, FollowsXdgDataHomeOnlyWhenAbsolute) {
    const struct {
        const char* xdg;
        const char* home;
        const char* folder;
    } cases[] = {
        {"/x/data", "/h", "/x/data/tramox"},         {nullptr, "/h", "/h/.local/share/tramox"},
        {"", "/h", "/h/.local/share/tramox"},        {"x/data", "/h", "/h/.local/share/tramox"},
        {nullptr, "h", ""},                          {nullptr, nullptr, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PlayerFolder(c.xdg, c.home), c.folder) << (c.xdg ? c.xdg : "(unset)") << ", " << (c.home ? c.home : "(unset)");
}

class PlayerFolderTree : public testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "tramox-folder-XXXXXX").string();
        ASSERT_TRUE(mkdtemp(pattern.data()));
        root = pattern;
    }
    void TearDown() override { fs::remove_all(root); }

    // The data folder of an install under `prefix`, laid out as installs are.
    fs::path Data(const char* prefix) const { return root / prefix / TRAMOX_INSTALL_DATADIR; }

    // What the folder holds: "-> target" for a link, "folder" or "file".
    std::map<std::string, std::string> Contents(const fs::path& folder) const {
        std::map<std::string, std::string> seen;
        for (const auto& entry : fs::directory_iterator(folder))
            seen[entry.path().filename().string()] = entry.is_symlink() ? "-> " + fs::read_symlink(entry).string()
                                                     : entry.is_directory() ? "folder" : "file";
        return seen;
    }

    fs::path root;
};

TEST_F(PlayerFolderTree, LinksTheInstalledDataAndKeepsThePlayersOwn) {
    const fs::path now = Data("new"), before = Data("old");
    const std::string maps = "-> " + (now / "Maps").string(), textures = "-> " + (now / "Textures").string();
    const fs::path levels = root / "my levels/Maps", sync = root / "sync/tramox/Settings.xml";
    const auto link = [](const fs::path& target, const fs::path& at) { fs::create_directory_symlink(target, at); };
    const struct {
        const char* name;
        std::function<void(const fs::path& folder)> before;
        std::map<std::string, std::string> after;
    } cases[] = {
        {"first start, parents missing", [](const fs::path&) {}, {{"Maps", maps}, {"Textures", textures}}},
        {"upgraded from another prefix: links mended, also dangling ones, the dropped folder's link gone",
         [&](const fs::path& f) {
             fs::create_directories(f);
             for (const char* data : {"Maps", "Textures", "Sounds"}) link(before / data, f / data);
             fs::remove_all(before / "Textures");
             fs::remove_all(before / "Sounds");
             std::ofstream(f / "Settings.xml") << "<Settings/>";
         },
         {{"Maps", maps}, {"Textures", textures}, {"Settings.xml", "file"}}},
        {"the player's own maps folder and links stay",
         [&](const fs::path& f) {
             fs::create_directories(f / "Maps");
             link(before / "Maps", f / "Mine");
         },
         {{"Maps", "folder"}, {"Textures", textures}, {"Mine", "-> " + (before / "Maps").string()}}},
        {"a link to the player's levels, settings linked into a sync folder not there yet",
         [&](const fs::path& f) {
             fs::create_directories(f);
             link(levels, f / "Maps");
             fs::create_symlink(sync, f / "Settings.xml");
         },
         {{"Maps", "-> " + levels.string()}, {"Textures", textures}, {"Settings.xml", "-> " + sync.string()}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        for (const fs::path& install : {now, before})
            for (const char* data : {"Maps", "Textures"}) fs::create_directories(install / data);
        fs::create_directories(before / "Sounds");
        fs::create_directories(levels);
        const fs::path folder = root / c.name / "deeper/tramox";
        c.before(folder);
        for (int run = 0; run < 2; ++run) {  // a second start finds nothing to change
            ASSERT_EQ(PreparePlayerFolder(folder.string(), now.string()), "");
            EXPECT_EQ(Contents(folder), c.after);
        }
    }
    struct stat made {};
    ASSERT_EQ(stat((root / "first start, parents missing/deeper").c_str(), &made), 0);
    EXPECT_EQ(made.st_mode & 0777, 0700u) << "the folders made hold the player's settings";
}

TEST_F(PlayerFolderTree, ReportsAFolderItCannotMakeOrFill) {
    fs::create_directories(root / "new");
    std::ofstream(root / "a file") << "x";
    EXPECT_NE(PreparePlayerFolder((root / "a file/tramox").string(), (root / "new").string()), "");
    EXPECT_NE(PreparePlayerFolder((root / "a file").string(), (root / "new").string()), "");
    EXPECT_NE(PreparePlayerFolder((root / "fine").string(), (root / "missing").string()), "");
}

}  // namespace
