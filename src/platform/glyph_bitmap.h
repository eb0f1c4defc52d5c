// The text writer's glyphs as bitmaps, apart from where they come from: the
// Linux backends rasterise them from the system's font at start-up, the
// browser build reads them from a file a host tool rasterised the same way.
#pragma once

#include <cstdio>
#include <vector>

namespace platform {

// One glyph as glBitmap takes it: rows bottom-up, one bit a pixel, each row
// padded to whole bytes. A glyph without pixels has width and rows 0.
struct GlyphBitmap {
    int width = 0;
    int rows = 0;
    float xOrigin = 0.0f;
    float yOrigin = 0.0f;
    float advance = 0.0f;
    std::vector<unsigned char> bits;
};

// Compiles display list base + i from glyphs[i] for every glyph given.
// Needs the GL context current.
void CompileGlyphLists(unsigned base, const std::vector<GlyphBitmap>& glyphs);

// The glyph file: the glyphs of one run of character codes from firstChar.
// Writing returns false on an output error; reading returns false for a
// file that is not a whole, plausible glyph file, leaving glyphs empty.
bool WriteGlyphFile(std::FILE* out, int firstChar, const std::vector<GlyphBitmap>& glyphs);
bool ReadGlyphFile(std::FILE* in, int* firstChar, std::vector<GlyphBitmap>* glyphs);

}  // namespace platform
