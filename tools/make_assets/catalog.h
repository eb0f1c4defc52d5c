// Every picture the game reads from its Textures folder.
#pragma once

#include <vector>

#include "image.h"
#include "lettering.h"

struct Asset {
    const char* name;  // the file is name + ".txu"
    bool isPage;       // stretched over the screen, rather than laid on cells
    Image (*make)(const Lettering&);
};

const std::vector<Asset>& Catalog();
