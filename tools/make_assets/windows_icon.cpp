#include "windows_icon.h"

#include <cstdint>
#include <fstream>
#include <vector>

#include "icons.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& out, unsigned value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Put32(Bytes& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

// One image of the file: a 32-bit device-independent bitmap with its alpha
// channel, rows from the bottom, followed by the one-bit mask older systems
// draw with (set where the picture is fully transparent). Every size is
// stored this way, which every Windows since XP reads.
Bytes IconImage(const PngPicture& picture) {
    const int size = picture.width;
    const int maskRowBytes = (size + 31) / 32 * 4;
    Bytes out;
    Put32(out, 40);                                     // header size
    Put32(out, static_cast<std::uint32_t>(size));       // width
    Put32(out, static_cast<std::uint32_t>(size * 2));   // picture and mask, stacked
    Put16(out, 1);                                      // planes
    Put16(out, 32);                                     // bits per pixel
    Put32(out, 0);                                      // uncompressed
    Put32(out, static_cast<std::uint32_t>(size * size * 4 + maskRowBytes * size));
    for (int i = 0; i < 4; ++i) Put32(out, 0);          // resolution, palette
    Bytes mask(static_cast<size_t>(maskRowBytes) * size, 0);
    for (int row = size - 1; row >= 0; --row) {
        for (int x = 0; x < size; ++x) {
            const std::uint8_t* rgba = &picture.pixels[(static_cast<size_t>(row) * size + x) * 4];
            out.insert(out.end(), {rgba[2], rgba[1], rgba[0], rgba[3]});
            if (rgba[3] == 0) mask[static_cast<size_t>(size - 1 - row) * maskRowBytes + x / 8] |= 0x80 >> (x % 8);
        }
    }
    out.insert(out.end(), mask.begin(), mask.end());
    return out;
}

}  // namespace

bool WriteWindowsIcon(const std::string& path) {
    const std::vector<int>& sizes = IconSizes();
    std::vector<Bytes> images;
    for (int size : sizes) images.push_back(IconImage(PaintIcon(size)));

    const size_t headerBytes = 6, entryBytes = 16;
    Bytes file;
    Put16(file, 0);  // reserved
    Put16(file, 1);  // an icon, not a cursor
    Put16(file, static_cast<unsigned>(images.size()));
    std::uint32_t offset = static_cast<std::uint32_t>(headerBytes + entryBytes * images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        // A size of 256 is written as 0 in the one-byte fields.
        const std::uint8_t side = static_cast<std::uint8_t>(sizes[i] & 0xFF);
        file.insert(file.end(), {side, side, 0, 0});  // no palette, reserved
        Put16(file, 1);
        Put16(file, 32);
        Put32(file, static_cast<std::uint32_t>(images[i].size()));
        Put32(file, offset);
        offset += static_cast<std::uint32_t>(images[i].size());
    }
    for (const Bytes& image : images) file.insert(file.end(), image.begin(), image.end());

    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
    return static_cast<bool>(out.flush());
}
