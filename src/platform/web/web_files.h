// Where the browser build keeps its files in the program's file system.
#pragma once

namespace platform {

// The working folder: Maps, Textures and Sounds are preloaded into it.
extern const char kGameFolder[];
// The text writer's glyphs, rasterised by the host build's make_glyphs.
extern const char kGlyphFile[];

// The files the game keeps in its working folder (its settings) live in the
// browser's storage between visits; the backend needs no names of them.
// Copies every file in the storage into the working folder; false when the
// storage cannot be used (the game then starts from its defaults and keeps
// nothing).
bool RestorePlayerFiles();
// Copies every file the game left in the working folder back into the
// storage and waits until the browser has written them; false when that
// failed.
bool PersistPlayerFiles();

}  // namespace platform
