// The text writer's glyphs on systems with FreeType and fontconfig, shared
// by the desktop and off-screen backends and by the tool that makes the
// browser build's glyph file.
#pragma once

#include <vector>

#include "platform/glyph_bitmap.h"

namespace platform {

// The glyphs of the characters firstChar .. firstChar + count - 1 from the
// installed face that best matches a bold "Courier New" at a 24-pixel em;
// false when there is no such face.
bool RasterizeSystemFontGlyphs(int firstChar, int count, std::vector<GlyphBitmap>* glyphs);

// Platform::BuildGlyphLists from those glyphs.
bool BuildGlyphListsFromSystemFont(unsigned base, int firstChar, int count);

}  // namespace platform
