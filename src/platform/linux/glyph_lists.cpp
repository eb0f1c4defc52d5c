#include "glyph_lists.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstring>
#include <string>

#include "font_file.h"

namespace platform {

namespace {
// A character height of 24 pixels means the em square is 24 pixels tall
// (internal leading excluded), so the face is sized by its em, not by its
// ascent plus descent.
const int kEmPixels = 24;
const int kBoldWeight = 700;

GlyphBitmap FromSlot(FT_GlyphSlot slot) {
    GlyphBitmap glyph;
    glyph.advance = static_cast<float>(slot->advance.x) / 64.0f;
    const FT_Bitmap& bitmap = slot->bitmap;
    if (bitmap.width == 0 || bitmap.rows == 0 || bitmap.pixel_mode != FT_PIXEL_MODE_MONO) return glyph;
    glyph.width = static_cast<int>(bitmap.width);
    glyph.rows = static_cast<int>(bitmap.rows);
    glyph.xOrigin = static_cast<float>(-slot->bitmap_left);
    glyph.yOrigin = static_cast<float>(glyph.rows - slot->bitmap_top);
    const int stride = (glyph.width + 7) / 8;
    glyph.bits.resize(static_cast<size_t>(stride) * glyph.rows);
    // FreeType's rows run top-down; glBitmap's bottom-up.
    for (int row = 0; row < glyph.rows; ++row) {
        const unsigned char* src = bitmap.buffer + static_cast<ptrdiff_t>(row) * bitmap.pitch;
        std::memcpy(&glyph.bits[static_cast<size_t>(glyph.rows - 1 - row) * stride], src, stride);
    }
    return glyph;
}

bool RasterizeFace(FT_Face face, int firstChar, int count, std::vector<GlyphBitmap>* glyphs) {
    if (FT_Set_Pixel_Sizes(face, 0, kEmPixels) != 0) return false;
    glyphs->clear();
    for (int i = 0; i < count; ++i) {
        if (FT_Load_Char(face, firstChar + i, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME) == 0) {
            glyphs->push_back(FromSlot(face->glyph));
        } else {
            GlyphBitmap missing;
            missing.advance = static_cast<float>(face->size->metrics.max_advance) / 64.0f;
            glyphs->push_back(missing);
        }
    }
    return true;
}
}  // namespace

bool RasterizeSystemFontGlyphs(int firstChar, int count, std::vector<GlyphBitmap>* glyphs) {
    const std::string path = FindFontFileWithFontconfig("Courier New", kBoldWeight);
    if (path.empty()) return false;
    FT_Library library;
    if (FT_Init_FreeType(&library)) return false;
    FT_Face face;
    bool ok = FT_New_Face(library, path.c_str(), 0, &face) == 0;
    if (ok) {
        ok = RasterizeFace(face, firstChar, count, glyphs);
        FT_Done_Face(face);
    }
    FT_Done_FreeType(library);
    return ok;
}

bool BuildGlyphListsFromSystemFont(unsigned base, int firstChar, int count) {
    std::vector<GlyphBitmap> glyphs;
    if (!RasterizeSystemFontGlyphs(firstChar, count, &glyphs)) return false;
    CompileGlyphLists(base, glyphs);
    return true;
}

}  // namespace platform
