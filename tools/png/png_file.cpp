#include "png_file.h"

#include <png.h>

#include <cstring>

bool WritePng(const std::string& path, const PngPicture& picture) {
    if (picture.width <= 0 || picture.height <= 0 || (picture.channels != 3 && picture.channels != 4) ||
        picture.pixels.size() != static_cast<size_t>(picture.width) * picture.height * picture.channels)
        return false;
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(picture.width);
    image.height = static_cast<png_uint_32>(picture.height);
    image.format = picture.channels == 4 ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB;
    const bool written = png_image_write_to_file(&image, path.c_str(), 0, picture.pixels.data(), 0, nullptr) != 0;
    png_image_free(&image);
    return written;
}

bool ReadPng(const std::string& path, PngPicture* picture) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return false;
    image.format = PNG_FORMAT_RGBA;
    picture->width = static_cast<int>(image.width);
    picture->height = static_cast<int>(image.height);
    picture->channels = 4;
    picture->pixels.assign(PNG_IMAGE_SIZE(image), 0);
    const bool read = png_image_finish_read(&image, nullptr, picture->pixels.data(), 0, nullptr) != 0;
    png_image_free(&image);
    return read;
}
