// Loads arbitrary bytes as Settings.xml through the settings store on the
// off-screen backend. A file that is refused gives exactly the defaults; any
// file, once loaded, saves and loads back to the same six values.
#include <cstddef>
#include <cstdint>
#include <string>

#include "game_world.h"
#include "settings.h"

namespace {

bool SameValues(const Settings &a, const Settings &b)
{
    return a.screenWidth == b.screenWidth && a.screenHeight == b.screenHeight && a.screenColor == b.screenColor &&
           a.engineDistance == b.engineDistance && a.engineXAngle == b.engineXAngle &&
           a.engineZAngle == b.engineZAngle;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static HeadlessWorld world;
    world.dir.Write("Settings.xml", std::string(reinterpret_cast<const char *>(data), size));

    Settings loaded;
    if (!loaded.LoadSettings()) {
        Settings defaults;
        defaults.GenerateDefaultSettings();
        FUZZ_CHECK(SameValues(loaded, defaults));
    }
    loaded.SaveSettings();
    Settings again;
    FUZZ_CHECK(again.LoadSettings() == 1);
    FUZZ_CHECK(SameValues(loaded, again));
    return 0;
}
