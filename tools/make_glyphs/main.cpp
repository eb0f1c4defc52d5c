// Writes the text writer's glyphs, rasterised from the system's font as the
// Linux game does at start-up, into the glyph file the browser build reads.
//   make_glyphs FILE
#include <cstdio>
#include <vector>

#include "platform/glyph_bitmap.h"
#include "platform/linux/glyph_lists.h"
#include "texter.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_glyphs FILE\n");
        return 2;
    }
    std::vector<platform::GlyphBitmap> glyphs;
    if (!platform::RasterizeSystemFontGlyphs(kTexterFirstChar, kTexterCharCount, &glyphs)) {
        std::fprintf(stderr, "make_glyphs: no bold monospaced font found\n");
        return 1;
    }
    std::FILE* out = std::fopen(argv[1], "wb");
    bool ok = out && platform::WriteGlyphFile(out, kTexterFirstChar, glyphs);
    if (out && std::fclose(out) != 0) ok = false;
    if (!ok) {
        std::fprintf(stderr, "make_glyphs: cannot write %s\n", argv[1]);
        std::remove(argv[1]);
        return 1;
    }
    return 0;
}
