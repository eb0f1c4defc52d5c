#include "texter.h"

#include <GL/gl.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <cstring>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace {
const int kFirstChar = 32;
const int kCharCount = 96;  // codes 32 to 127
const int kLastChar = kFirstChar + kCharCount - 1;
// A character height of 24 pixels means the em square is 24 pixels tall
// (internal leading excluded), so the face is sized by its em, not by its
// ascent plus descent.
const int kEmPixels = 24;
// The bold monospaced face's advance at that size, used when no font exists.
const float kFallbackAdvance = 14.0f;

// Handed to glBitmap for glyphs without pixels: a null image would make the
// list compiler fail, and the list would not even advance.
const GLubyte kNoBits[1] = {0};

// One glyph as a glBitmap: rows bottom-up, one bit a pixel, rows padded to
// whole bytes.
void CompileGlyph(FT_GlyphSlot slot) {
    const FT_Bitmap& bitmap = slot->bitmap;
    const int stride = (static_cast<int>(bitmap.width) + 7) / 8;
    const int rows = static_cast<int>(bitmap.rows);
    std::vector<GLubyte> bits(static_cast<size_t>(stride) * rows);
    for (int row = 0; row < rows; ++row) {
        const unsigned char* src = bitmap.buffer + static_cast<ptrdiff_t>(row) * bitmap.pitch;
        std::memcpy(&bits[static_cast<size_t>(rows - 1 - row) * stride], src, stride);
    }
    glBitmap(static_cast<GLsizei>(bitmap.width), rows, static_cast<GLfloat>(-slot->bitmap_left),
             static_cast<GLfloat>(rows - slot->bitmap_top), slot->advance.x / 64.0f, 0.0f,
             bits.empty() ? kNoBits : bits.data());
}

void CompileBlank(float advance) {
    glBitmap(0, 0, 0.0f, 0.0f, advance, 0.0f, kNoBits);
}

// Fills the lists from the font file; false when the font cannot be used.
bool CompileFont(const std::string& path, unsigned int base) {
    if (path.empty()) return false;
    FT_Library library;
    if (FT_Init_FreeType(&library)) return false;
    FT_Face face;
    bool ok = FT_New_Face(library, path.c_str(), 0, &face) == 0;
    if (ok) {
        ok = FT_Set_Pixel_Sizes(face, 0, kEmPixels) == 0;
        for (int i = 0; ok && i < kCharCount; ++i) {
            glNewList(base + i, GL_COMPILE);
            if (FT_Load_Char(face, kFirstChar + i, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME) == 0 &&
                face->glyph->bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
                CompileGlyph(face->glyph);
            } else {
                CompileBlank(face->glyph->advance.x / 64.0f);
            }
            glEndList();
        }
        FT_Done_Face(face);
    }
    FT_Done_FreeType(library);
    return ok;
}
}  // namespace

Texter::Texter() : base(0) {}

Texter::~Texter() {}

void Texter::Load() {
    base = glGenLists(kCharCount);
    if (base == 0) return;

    // The glyph rows are byte-packed; the unpacking happens as the lists are
    // compiled, so the alignment only matters here.
    GLint alignment;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    if (!CompileFont(platform::Current().FindFontFile("Courier New", 700), base)) {
        // Without a font the text takes up its room but shows nothing.
        for (int i = 0; i < kCharCount; ++i) {
            glNewList(base + i, GL_COMPILE);
            CompileBlank(kFallbackAdvance);
            glEndList();
        }
    }
    glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
}

void Texter::Write(int x, int y, const char* text) {
    if (base == 0 || !text) return;
    // Only codes that have a list are called: the list names around ours may
    // belong to someone else.
    std::string printable;
    for (const char* p = text; *p; ++p) {
        int code = static_cast<unsigned char>(*p);
        if (code >= kFirstChar && code <= kLastChar) printable += static_cast<char>(code);
    }
    glListBase(base - kFirstChar);
    glRasterPos2f(static_cast<GLfloat>(x), static_cast<GLfloat>(y));
    glCallLists(static_cast<GLsizei>(printable.size()), GL_UNSIGNED_BYTE, printable.data());
}

void Texter::Unload() {
    if (base == 0) return;
    glDeleteLists(base, kCharCount);
    base = 0;
}
