// The text writer's glyphs on systems with FreeType and fontconfig, shared
// by the desktop and off-screen backends.
#pragma once

namespace platform {

// Platform::BuildGlyphLists from the installed face that best matches a
// bold "Courier New".
bool BuildGlyphListsFromSystemFont(unsigned base, int firstChar, int count);

}  // namespace platform
