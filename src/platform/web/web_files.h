// Where the browser build keeps its files in the program's file system.
#pragma once

namespace platform {

// The working folder: Maps, Textures and Sounds are preloaded into it.
extern const char kGameFolder[];
// The text writer's glyphs, rasterised by the host build's make_glyphs.
extern const char kGlyphFile[];

// Copies Settings.xml from the browser's storage into the working folder;
// false when the storage cannot be used (the game then starts from its
// defaults and keeps nothing).
bool RestoreSettings();
// Copies the Settings.xml the game saved back into the storage and waits
// until the browser has written it; false when that failed.
bool PersistSettings();

}  // namespace platform
