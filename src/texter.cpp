#include "texter.h"

#include <GL/gl.h>

#include <string>
#include <vector>

#include "platform/glyph_bitmap.h"
#include "platform/platform.h"

namespace {
const int kLastChar = kTexterFirstChar + kTexterCharCount - 1;
// The bold monospaced face's advance at its 24-pixel em, used when no font exists.
const float kFallbackAdvance = 14.0f;
}  // namespace

Texter::Texter() : base(0) {}

Texter::~Texter() {}

void Texter::Load() {
    base = glGenLists(kTexterCharCount);
    if (base == 0) return;
    if (platform::Current().BuildGlyphLists(base, kTexterFirstChar, kTexterCharCount)) return;
    // Without a font the text takes up its room but shows nothing.
    platform::GlyphBitmap blank;
    blank.advance = kFallbackAdvance;
    platform::CompileGlyphLists(base, std::vector<platform::GlyphBitmap>(kTexterCharCount, blank));
}

void Texter::Write(int x, int y, const char* text) {
    if (base == 0 || !text) return;
    // Only codes that have a list are called: the list names around ours may
    // belong to someone else.
    std::string printable;
    for (const char* p = text; *p; ++p) {
        int code = static_cast<unsigned char>(*p);
        if (code >= kTexterFirstChar && code <= kLastChar) printable += static_cast<char>(code);
    }
    glListBase(base - kTexterFirstChar);
    glRasterPos2f(static_cast<GLfloat>(x), static_cast<GLfloat>(y));
    glCallLists(static_cast<GLsizei>(printable.size()), GL_UNSIGNED_BYTE, printable.data());
}

void Texter::Unload() {
    if (base == 0) return;
    glDeleteLists(base, kTexterCharCount);
    base = 0;
}
