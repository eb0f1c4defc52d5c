// Loads arbitrary bytes as Maps/Level1.map through the game's own map loader
// on the off-screen backend: a map either loads whole, with sides of 1 to
// 128 and a cell for every square, or is refused with a message naming the
// file; it never crashes, and a loaded map draws.

#include <cstddef>
#include <cstdint>
#include <string>

#include "Engine/gamefiles.h"
#include "Engine/map.h"
#include "game_world.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static HeadlessWorld world(32, 24);
    world.dir.Write("Maps/Level1.map", std::string(reinterpret_cast<const char *>(data), size));

    Map map("Level1");
    if (map.LoadMap()) {
        FUZZ_CHECK(map.Error().empty());
        FUZZ_CHECK(map.width >= 1 && map.width <= 128 && map.height >= 1 && map.height <= 128);
        // Every square inside answers; everything outside is wall.
        for (int y = -1; y <= map.height; y++)
            for (int x = -1; x <= map.width; x++) {
                const int wall = map.IsOnWall(x, y);
                FUZZ_CHECK(wall == 0 || wall == 1);
                if (x < 0 || y < 0 || x == map.width || y == map.height) FUZZ_CHECK(wall == 1);
            }
        map.Draw();
        map.FreeTextures();
    } else {
        FUZZ_CHECK(map.Error().find(MapFile("Level1")) != std::string::npos);
        FUZZ_CHECK(map.width == 0 && map.height == 0);
    }
    return 0;
}
