#include "output.h"

#include <cstdio>
#include <memory>
#include <vector>

#include "MenuPages/pagelayout.h"

namespace {

bool WriteFile(const std::string& path, const std::string& header, const std::vector<std::uint8_t>& bytes)
{
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "wb"), std::fclose);
    if (!file)
        return false;
    const bool written = std::fwrite(header.data(), 1, header.size(), file.get()) == header.size() &&
                         std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
    return std::fclose(file.release()) == 0 && written;
}

Image StretchedPage(const Image& page)
{
    Image screen(kPageWidth, kPageHeight);
    const float sx = float(page.Width()) / screen.Width(), sy = float(page.Height()) / screen.Height();
    for (int y = 0; y < screen.Height(); ++y)
        for (int x = 0; x < screen.Width(); ++x)
            screen.At(x, y) = page.Sample((x + 0.5f) * sx, (y + 0.5f) * sy);
    return screen;
}

Image TiledSurface(const Image& surface)
{
    const int w = surface.Width(), h = surface.Height();
    Image tiles(4 * w, 4 * h);
    for (int y = 0; y < tiles.Height(); ++y)
        for (int x = 0; x < tiles.Width(); ++x)
            tiles.At(x, y) = surface.At((x / 2) % w, (y / 2) % h);
    return tiles;
}

}  // namespace

bool WriteTextureFile(const Image& image, const std::string& path)
{
    return WriteFile(path, "", image.Bytes());
}

bool WritePreview(const Image& image, bool isPage, const std::string& path)
{
    const Image shown = isPage ? StretchedPage(image) : TiledSurface(image);
    const std::string header = "P6\n" + std::to_string(shown.Width()) + " " + std::to_string(shown.Height()) + "\n255\n";
    return WriteFile(path, header, shown.Bytes());
}
