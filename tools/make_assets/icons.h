// The application icon: a walled patch of grass with the snake and its
// food, drawn afresh at each size so that small ones stay crisp.
#pragma once

#include <string>
#include <vector>

#include "png_file.h"

// The square sizes, in pixels, that desktops look up in an icon theme.
const std::vector<int>& IconSizes();

PngPicture PaintIcon(int size);

// Writes THEME_DIR/<n>x<n>/apps/<name>.png for every size; false with
// `failed` naming the file that could not be written.
bool WriteIcons(const std::string& themeDir, const std::string& name, std::string* failed);
