#include "texter.h"

#include <GL/gl.h>

#include <string>

#include "platform/platform.h"

namespace {
const int kFirstChar = 32;
const int kCharCount = 96;  // codes 32 to 127
const int kLastChar = kFirstChar + kCharCount - 1;
// The bold monospaced face's advance at its 24-pixel em, used when no font exists.
const float kFallbackAdvance = 14.0f;
// An empty 1 by 1 bitmap: inside a display list Mesa drops the advance of a 0 by 0 one.
const GLubyte kNoBits[4] = {0, 0, 0, 0};
}  // namespace

Texter::Texter() : base(0) {}

Texter::~Texter() {}

void Texter::Load() {
    base = glGenLists(kCharCount);
    if (base == 0) return;
    if (platform::Current().BuildGlyphLists(base, kFirstChar, kCharCount)) return;
    // Without a font the text takes up its room but shows nothing.
    for (int i = 0; i < kCharCount; ++i) {
        glNewList(base + i, GL_COMPILE);
        glBitmap(1, 1, 0.0f, 0.0f, kFallbackAdvance, 0.0f, kNoBits);
        glEndList();
    }
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
