// Font lookup through fontconfig, shared by the desktop and test backends.
#pragma once

#include <string>

namespace platform {

// The file of the installed font that best matches the face name and the
// weight (OpenType scale: 400 regular, 700 bold); empty when there is none.
std::string FindFontFileWithFontconfig(const char* face, int weight);

}  // namespace platform
