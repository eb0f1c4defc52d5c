// Display lists: the calls made between glNewList and glEndList, kept and
// replayed by glCallList.
#pragma once

#include "state.h"

namespace gl1 {

enum class Op : unsigned char {
    kBegin,
    kEnd,
    kVertex,
    kColor,
    kNormal,
    kTexCoord,
    kEnable,
    kDisable,
    kBindTexture,
    kLightPosition,
    kBitmap,
    kCallList,
};

struct Command {
    Op op;
    unsigned value;  // a GL enum or name, or the bitmap's index in its list
    float f[4];
};

// A glBitmap kept in a list: its pixels become a texture once, when the list
// is compiled.
struct KeptBitmap {
    int width, height;
    float xorig, yorig, xmove, ymove;
    unsigned texture;  // 0: no pixel set
};

// Called by each call a list can hold, first: while a list is being
// compiled the call is kept, and the result says whether it must not run
// now as well.
bool Record(const Command& command);
// Keeps a bitmap in the list being compiled; false when none is.
bool RecordBitmap(const KeptBitmap& bitmap);
// Draws a bitmap at the raster position and advances it.
void DrawBitmap(const KeptBitmap& bitmap);

void ForgetLists();

}  // namespace gl1
