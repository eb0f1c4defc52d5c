// Anti-aliased lettering in Liberation Sans Bold, found through fontconfig
// and drawn by FreeType.
#pragma once

#include <string>

#include "mask.h"

struct FT_LibraryRec_;
struct FT_FaceRec_;

class Lettering {
public:
    // Throws std::runtime_error when the font cannot be found or opened: any
    // other face would make different pictures.
    Lettering();
    ~Lettering();
    Lettering(const Lettering&) = delete;
    Lettering& operator=(const Lettering&) = delete;

    // The ink of the UTF-8 `text` on one line, cropped to its bounding box,
    // with `em` pixels to the em vertically and every horizontal distance
    // multiplied by `widthScale`.
    Mask Render(const std::string& text, float em, float widthScale) const;

private:
    FT_LibraryRec_* library_ = nullptr;
    FT_FaceRec_* face_ = nullptr;
};
