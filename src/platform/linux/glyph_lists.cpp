#include "glyph_lists.h"

#include <GL/gl.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstring>
#include <string>
#include <vector>

#include "font_file.h"

namespace platform {

namespace {
// A character height of 24 pixels means the em square is 24 pixels tall
// (internal leading excluded), so the face is sized by its em, not by its
// ascent plus descent.
const int kEmPixels = 24;
const int kBoldWeight = 700;

// Glyphs without pixels are a 1 by 1 empty bitmap: inside a display list
// Mesa drops the advance of a 0 by 0 one.
const GLubyte kNoBits[4] = {0, 0, 0, 0};

// One glyph as a glBitmap: rows bottom-up, one bit a pixel, rows padded to
// whole bytes.
void CompileGlyph(FT_GlyphSlot slot) {
    const FT_Bitmap& bitmap = slot->bitmap;
    const GLfloat advance = static_cast<GLfloat>(slot->advance.x) / 64.0f;
    if (bitmap.width == 0 || bitmap.rows == 0 || bitmap.pixel_mode != FT_PIXEL_MODE_MONO) {
        glBitmap(1, 1, 0.0f, 0.0f, advance, 0.0f, kNoBits);
        return;
    }
    const int stride = (static_cast<int>(bitmap.width) + 7) / 8;
    const int rows = static_cast<int>(bitmap.rows);
    std::vector<GLubyte> bits(static_cast<size_t>(stride) * rows);
    for (int row = 0; row < rows; ++row) {
        const unsigned char* src = bitmap.buffer + static_cast<ptrdiff_t>(row) * bitmap.pitch;
        std::memcpy(&bits[static_cast<size_t>(rows - 1 - row) * stride], src, stride);
    }
    glBitmap(static_cast<GLsizei>(bitmap.width), rows, static_cast<GLfloat>(-slot->bitmap_left),
             static_cast<GLfloat>(rows - slot->bitmap_top), advance, 0.0f, bits.data());
}

bool CompileFace(FT_Face face, unsigned base, int firstChar, int count) {
    if (FT_Set_Pixel_Sizes(face, 0, kEmPixels) != 0) return false;
    // The glyph rows are byte-packed; the unpacking happens as the lists
    // are compiled, so the alignment only matters here.
    GLint alignment;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    for (int i = 0; i < count; ++i) {
        glNewList(base + i, GL_COMPILE);
        if (FT_Load_Char(face, firstChar + i, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME) == 0) {
            CompileGlyph(face->glyph);
        } else {
            glBitmap(1, 1, 0.0f, 0.0f, static_cast<GLfloat>(face->size->metrics.max_advance) / 64.0f, 0.0f, kNoBits);
        }
        glEndList();
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
    return true;
}
}  // namespace

bool BuildGlyphListsFromSystemFont(unsigned base, int firstChar, int count) {
    const std::string path = FindFontFileWithFontconfig("Courier New", kBoldWeight);
    if (path.empty()) return false;
    FT_Library library;
    if (FT_Init_FreeType(&library)) return false;
    FT_Face face;
    bool ok = FT_New_Face(library, path.c_str(), 0, &face) == 0;
    if (ok) {
        ok = CompileFace(face, base, firstChar, count);
        FT_Done_Face(face);
    }
    FT_Done_FreeType(library);
    return ok;
}

}  // namespace platform
