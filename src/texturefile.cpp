#include "texturefile.h"

#include <GL/gl.h>

#include <cstdio>
#include <vector>

#include "gamefile.h"

namespace {
// What a missing or short file shows where its bytes are missing: a
// magenta and black checker of 8 by 8 squares, unmistakably not a picture.
const int kCheckerSquare = kTextureSize / 8;

void FillChecker(std::vector<unsigned char>& pixels) {
    for (int t = 0; t < kTextureSize; ++t) {
        for (int s = 0; s < kTextureSize; ++s) {
            bool magenta = ((s / kCheckerSquare) + (t / kCheckerSquare)) % 2 == 0;
            unsigned char* p = &pixels[(static_cast<size_t>(t) * kTextureSize + s) * 3];
            p[0] = magenta ? 255 : 0;
            p[1] = 0;
            p[2] = magenta ? 255 : 0;
        }
    }
}

// Reads up to a whole texture into `pixels`; returns the number of bytes read.
size_t ReadTexture(const char* name, std::vector<unsigned char>& pixels) {
    FILE* file = OpenGameFile(name, "rb");
    if (!file) return 0;
    size_t got = fread(pixels.data(), 1, pixels.size(), file);
    fclose(file);
    return got;
}
}  // namespace

int LoadTextureFile(const char* name, unsigned int texture, int filter) {
    glBindTexture(GL_TEXTURE_2D, texture);

    // The checker goes in first; what the file holds overwrites its start, so
    // a short file shows its own rows above the checker.
    std::vector<unsigned char> pixels(kTextureFileBytes);
    FillChecker(pixels);
    size_t got = ReadTexture(name, pixels);

    glTexImage2D(GL_TEXTURE_2D, 0, 3, kTextureSize, kTextureSize, 0, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
    return got == pixels.size() ? 1 : 0;
}
