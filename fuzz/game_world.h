// The world a game-level fuzz target runs in: a private temporary game
// folder as the working directory (Textures/ copied from the built game, so
// the map loader finds real textures), the off-screen backend installed, and
// optionally a window with a GL context of a tiny size. Made once per
// process and kept, as the game keeps its window.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "headless.h"
#include "proc.h"
#include "settings.h"

#define FUZZ_CHECK(condition) \
    do { \
        if (!(condition)) abort(); \
    } while (0)

// OSMesa keeps a record per made-current context for good: not ours.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libOSMesa.so\n";
}

class FuzzGameWorld {
public:
    // A GL context of width by height pixels when both are positive.
    FuzzGameWorld(int width, int height)
    {
        namespace fs = std::filesystem;
        std::string folder = (fs::temp_directory_path() / "tramox-fuzz-XXXXXX").string();
        if (!mkdtemp(folder.data())) abort();
        const fs::path textures = fs::path(TRAMOX_GAME_DIR) / "Textures";
        if (fs::exists(textures)) fs::copy(textures, fs::path(folder) / "Textures", fs::copy_options::recursive);
        fs::create_directories(fs::path(folder) / "Maps");
        fs::current_path(folder);
        folder_ = folder;
        platform::Install(&backend);
        if (width > 0 && height > 0) {
            backend.SetDesktopMode({width, height, 24});
            ScreenWidth = width;
            ScreenHeight = height;
            ScreenColor = 24;
            if (!InitOpenGL()) abort();
        }
    }

    ~FuzzGameWorld()
    {
        TearDownOpenGL();
        platform::Install(nullptr);
        std::error_code ignored;
        std::filesystem::current_path(std::filesystem::temp_directory_path(), ignored);
        std::filesystem::remove_all(folder_, ignored);
    }

    void WriteFile(const char *name, const uint8_t *data, size_t size) const
    {
        FILE *f = fopen(name, "wb");
        if (!f) abort();
        fwrite(data, 1, size, f);
        fclose(f);
    }

    platform::HeadlessPlatform backend;

private:
    std::string folder_;
};
