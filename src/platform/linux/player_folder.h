// The installed game's working folder. The game reads Maps/, Textures/ and
// Sounds/ and reads and writes Settings.xml relative to its working folder,
// but an installed tree is read-only and shared by every player. So the
// installed program runs in a folder of the player's own that holds the
// settings and links to the installed data.
#pragma once

#include <string>

namespace platform {

// $XDG_DATA_HOME/tramox, or <home>/.local/share/tramox when XDG_DATA_HOME
// is unset, empty or relative; empty when there is no absolute home either.
std::string PlayerFolder(const char* xdgDataHome, const char* home);

// Creates `folder` (parents too, private to the player) when missing and
// gives it a link to every entry of `dataFolder`. Links into another
// install's data folder (the game was moved or upgraded) are mended, and
// dangling ones to data this version lacks removed; anything else of the
// player's (their own folder or link under an entry's name, a settings file
// linked into a sync folder) is left alone. Returns an empty string, or why
// the folder cannot be used.
std::string PreparePlayerFolder(const std::string& folder, const std::string& dataFolder);

// For the desktop entry: when this executable is installed, prepares the
// player's folder and makes it the working folder; a build keeps the
// working folder it was started in. Returns why it failed, or "".
std::string EnterPlayerFolder();

}  // namespace platform
