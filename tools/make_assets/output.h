// Writing pictures: the game's texture files and previews for people.
#pragma once

#include <string>

#include "image.h"

// Raw 256 by 256 RGB, no header. Returns false when the file cannot be written.
bool WriteTextureFile(const Image& image, const std::string& path);

// A binary PPM of what a player sees: a page picture stretched to 1024 by
// 768 with linear filtering, a surface as 2 by 2 copies at double size so
// that its seams show.
bool WritePreview(const Image& image, bool isPage, const std::string& path);
