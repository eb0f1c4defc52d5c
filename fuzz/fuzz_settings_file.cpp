// Loads arbitrary bytes as Settings.xml through the settings store on the
// off-screen backend. A file that is refused gives exactly the defaults; any
// file, once loaded, saves and loads back to the same six values.
#include <cstddef>
#include <cstdint>
#include <string>

#include "game_world.h"
#include "settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static HeadlessWorld world;
    world.dir.Write("Settings.xml", std::string(reinterpret_cast<const char *>(data), size));

    Settings loaded;
    if (!loaded.LoadSettings()) {
        Settings defaults;
        defaults.GenerateDefaultSettings();
        FUZZ_CHECK(Values(loaded) == Values(defaults));
    }
    loaded.SaveSettings();
    Settings again;
    FUZZ_CHECK(again.LoadSettings() == 1);
    FUZZ_CHECK(Values(loaded) == Values(again));
    return 0;
}
