// Game files are named as the game names them ("Textures\\StartPage.txu",
// "Sounds\\Click.wav"): a backslash separates folders.
#pragma once

#include <cstdio>
#include <string>

// The name with '/' between folders, as the system opens it.
std::string GameFilePath(const char* name);
FILE* OpenGameFile(const char* name, const char* mode);
