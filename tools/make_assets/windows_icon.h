// The application icon as a Windows .ico file, for the executable, its
// window and its installer.
#pragma once

#include <string>

// Writes every size of IconSizes() (16 to 256 pixels) into one .ico at
// path; false when the file cannot be written.
bool WriteWindowsIcon(const std::string& path);
