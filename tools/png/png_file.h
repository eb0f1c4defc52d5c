// PNG files for the project's tools (icons, screenshots) and their tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct PngPicture {
    int width = 0;
    int height = 0;
    int channels = 4;  // 3 for RGB, 4 for RGBA; 8 bits each, rows from the top
    std::vector<std::uint8_t> pixels;
};

// Returns false when the file cannot be written. The same picture always
// gives the same bytes (no time stamp), so written files can be committed.
bool WritePng(const std::string& path, const PngPicture& picture);

// Reads any PNG as RGBA; false when it is missing or not a PNG.
bool ReadPng(const std::string& path, PngPicture* picture);
