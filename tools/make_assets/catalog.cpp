#include "catalog.h"

#include "Engine/texturelist.h"
#include "pages.h"
#include "surfaces.h"

const std::vector<Asset>& Catalog()
{
    static const std::vector<Asset> assets = {
        {kStartPagePicture, true, MakeStartPage},
        {kMainPagePicture, true, MakeMainPage},
        {kOptionsPagePicture, true, MakeOptionsPage},
        {kGameOverPagePicture, true, MakeGameOverPage},
        {kCongratulationsPagePicture, true, MakeCongratulationsPage},
        {kGrass, false, [](const Lettering&) { return MakeGrass(); }},
        {kSand, false, [](const Lettering&) { return MakeSand(); }},
        {kSlate, false, [](const Lettering&) { return MakeSlate(); }},
        {kMoss, false, [](const Lettering&) { return MakeMoss(); }},
        {kSnow, false, [](const Lettering&) { return MakeSnow(); }},
        {kHedge, false, [](const Lettering&) { return MakeHedge(); }},
        {kSandstone, false, [](const Lettering&) { return MakeSandstone(); }},
        {kBrick, false, [](const Lettering&) { return MakeBrick(); }},
        {kCobble, false, [](const Lettering&) { return MakeCobble(); }},
        {kIce, false, [](const Lettering&) { return MakeIce(); }},
    };
    return assets;
}
