// Every texture of the game folder, by name (the file is Textures\<name>.txu):
// the page pictures and the surfaces a level map may name. The build paints
// exactly these and reads them from the quoted names below, so this file
// holds no other quoted text.
#pragma once

constexpr char kStartPagePicture[] = "StartPage";
constexpr char kMainPagePicture[] = "MainPage";
constexpr char kOptionsPagePicture[] = "OptionsPage";
constexpr char kGameOverPagePicture[] = "gameoverPage";
constexpr char kCongratulationsPagePicture[] = "congratulationsPage";

constexpr char kGrass[] = "grass";
constexpr char kSand[] = "sand";
constexpr char kSlate[] = "slate";
constexpr char kMoss[] = "moss";
constexpr char kSnow[] = "snow";

constexpr char kHedge[] = "hedge";
constexpr char kSandstone[] = "sandstone";
constexpr char kBrick[] = "brick";
constexpr char kCobble[] = "cobble";
constexpr char kIce[] = "ice";

constexpr const char* kPagePictures[] = {kStartPagePicture, kMainPagePicture, kOptionsPagePicture,
                                         kGameOverPagePicture, kCongratulationsPagePicture};
constexpr const char* kFloorTextures[] = {kGrass, kSand, kSlate, kMoss, kSnow};
constexpr const char* kWallTextures[] = {kHedge, kSandstone, kBrick, kCobble, kIce};
