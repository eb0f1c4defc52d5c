#include "atlas.h"

#include <cstddef>
#include <vector>

#include "batch.h"
#include "es2.h"

namespace gl1 {

namespace {

// Bitmaps fill shelves left to right, a texel apart; a shelf is as high as
// its highest bitmap, and a full page leaves the rest to the next.
struct Page {
    unsigned texture = 0;
    int live = 0;
    int shelfX = 0, shelfY = 0, shelfHeight = 0;
};

std::vector<Page>& Pages() {
    static std::vector<Page> pages;
    return pages;
}

bool Fits(Page& page, int width, int height, AtlasPlace* place) {
    if (page.shelfX + width > kAtlasSize) {
        page.shelfY += page.shelfHeight + 1;
        page.shelfX = 0;
        page.shelfHeight = 0;
    }
    if (page.shelfY + height > kAtlasSize) return false;
    place->x = page.shelfX;
    place->y = page.shelfY;
    page.shelfX += width + 1;
    if (height > page.shelfHeight) page.shelfHeight = height;
    return true;
}

unsigned NewPageTexture() {
    const std::vector<unsigned char> clear(static_cast<size_t>(kAtlasSize) * kAtlasSize, 0);
    return MakeMaskTexture(kAtlasSize, kAtlasSize, clear.data());
}

}  // namespace

AtlasPlace PlaceInAtlas(int width, int height, const unsigned char* pixels) {
    AtlasPlace place;
    if (width <= 0 || height <= 0 || width > kAtlasSize || height > kAtlasSize) return place;
    std::vector<Page>& pages = Pages();
    int index = 0;
    while (index < static_cast<int>(pages.size()) &&
           !(pages[index].texture && Fits(pages[index], width, height, &place)))
        ++index;
    if (index == static_cast<int>(pages.size())) {
        // A page whose bitmaps have all gone is taken again before a new one.
        index = 0;
        while (index < static_cast<int>(pages.size()) && pages[index].texture) ++index;
        if (index == static_cast<int>(pages.size())) pages.emplace_back();
        pages[index] = Page();
        pages[index].texture = NewPageTexture();
        Fits(pages[index], width, height, &place);
    }
    place.page = index;
    ++pages[index].live;
    UpdateMaskTexture(pages[index].texture, place.x, place.y, width, height, pixels);
    return place;
}

void FreeFromAtlas(const AtlasPlace& place) {
    if (place.page < 0) return;
    Page& page = Pages()[place.page];
    if (--page.live > 0) return;
    DeleteTexture(page.texture);
    page = Page();
}

unsigned AtlasTexture(int page) {
    return Pages()[page].texture;
}

void ForgetAtlas() {
    Pages().clear();
}

}  // namespace gl1
