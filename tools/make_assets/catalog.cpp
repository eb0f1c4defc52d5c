#include "catalog.h"

#include "pages.h"
#include "surfaces.h"

const std::vector<Asset>& Catalog()
{
    static const std::vector<Asset> assets = {
        {"StartPage", true, MakeStartPage},
        {"MainPage", true, MakeMainPage},
        {"OptionsPage", true, MakeOptionsPage},
        {"gameoverPage", true, MakeGameOverPage},
        {"congratulationsPage", true, MakeCongratulationsPage},
        {"grass", false, [](const Lettering&) { return MakeGrass(); }},
        {"sand", false, [](const Lettering&) { return MakeSand(); }},
        {"slate", false, [](const Lettering&) { return MakeSlate(); }},
        {"moss", false, [](const Lettering&) { return MakeMoss(); }},
        {"snow", false, [](const Lettering&) { return MakeSnow(); }},
        {"hedge", false, [](const Lettering&) { return MakeHedge(); }},
        {"sandstone", false, [](const Lettering&) { return MakeSandstone(); }},
        {"brick", false, [](const Lettering&) { return MakeBrick(); }},
        {"cobble", false, [](const Lettering&) { return MakeCobble(); }},
        {"ice", false, [](const Lettering&) { return MakeIce(); }},
    };
    return assets;
}
