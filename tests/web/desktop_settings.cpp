// Prints the Settings.xml the Linux game writes when the player opens the
// options page from the main menu, clicks the named buttons there, goes
// back and quits, on a 1024 by 768 desktop of 24 bits. The browser test
// compares the file its page stored for the same clicks with these bytes.
//   desktop_settings BUTTON...      (names as button_point takes them)
#include <cstdio>
#include <string>
#include <vector>

#include "MenuPages/mainpage.h"
#include "MenuPages/optionspage.h"
#include "button_names.h"
#include "gamedir.h"
#include "globals.h"
#include "run_program.h"
#include "settings.h"

int main(int argc, char** argv) {
    std::vector<const PageRect*> choices;
    for (int i = 1; i < argc; ++i) {
        const PageRect* button = FindButton(argv[i]);
        if (!button) {
            std::fprintf(stderr, "desktop_settings: no button \"%s\"\n", argv[i]);
            return 2;
        }
        choices.push_back(button);
    }
    choices.push_back(&kBackButton);

    ScopedGameDir dir;
    platform::HeadlessPlatform backend;
    backend.SetDesktopMode({1024, 768, 24});
    bool optionsSeen = false;
    size_t clicked = 0;
    int lastFrame = -1;
    // One click a presented frame, in the middle of the button.
    backend.SetPumpCallback([&](platform::HeadlessPlatform& b) {
        if (b.FramesPresented() == lastFrame) return;
        lastFrame = b.FramesPresented();
        const PageRect* next = nullptr;
        if (dynamic_cast<MainPage*>(currentPage)) {
            next = optionsSeen ? &kQuitButton : &kOptionsButton;
        } else if (dynamic_cast<OptionsPage*>(currentPage) && clicked < choices.size()) {
            optionsSeen = true;
            next = choices[clicked++];
        }
        if (next) {
            b.PostClick((next->x1 + next->x2) / 2 * ScreenWidth / kPageWidth,
                        (next->y1 + next->y2) / 2 * ScreenHeight / kPageHeight);
        }
    });
    if (platform::RunProgram(backend) != 0 || !dir.Exists(kSettingsFile)) {
        std::fprintf(stderr, "desktop_settings: the program wrote no settings\n");
        return 1;
    }
    const std::string bytes = dir.Read(kSettingsFile);
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    return 0;
}
