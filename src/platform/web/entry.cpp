// The browser program's C entry: the settings come out of the browser's
// storage, the program runs, the settings it saved go back, and the page
// says the game has ended.
#include <unistd.h>

#include <cstdio>

#include "platform/platform.h"
#include "wintypes.h"
#include "web_files.h"

int main() {
    if (chdir(platform::kGameFolder) != 0) {
        platform::Current().ShowMessageBox("Tramox cannot find its game data.", "Tramox Error");
        platform::Current().ExitProcess(1);
    }
    const bool stored = platform::RestorePlayerFiles();
    const int status = WinMain(nullptr, nullptr, nullptr, 0);
    if (stored && !platform::PersistPlayerFiles()) {
        std::fprintf(stderr, "tramox: the settings could not be kept in the browser's storage\n");
    }
    platform::Current().ExitProcess(status);
}
