// Texture files: 196,608 bytes of raw 256 by 256 RGB pixels, first row on top.
#pragma once

enum { kTextureSize = 256, kTextureFileBytes = 256 * 256 * 3 };

// Fills the bound-by-name texture object `texture` from the file `name`
// (a game file name such as "Textures\\StartPage.txu") with the given
// minification and magnification filter. A file that is missing or short
// yields a fallback picture instead; returns 1 when the file was read whole.
int LoadTextureFile(const char* name, unsigned int texture, int filter);
