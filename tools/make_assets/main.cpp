// make_assets: paints the game's page pictures and surface textures.
//
//   make_assets OUT_DIR [--preview PREVIEW_DIR]
//   make_assets --icons THEME_DIR NAME
//   make_assets --windows-icon FILE.ico
//
// writes OUT_DIR/<name>.txu for every picture and, with --preview, a PPM of
// each as it will look in the game; or the application icon as
// THEME_DIR/<n>x<n>/apps/NAME.png at every size, or as one Windows .ico
// holding every size. The output depends on nothing but this program and
// the font, so every run writes the same bytes.
#include <cstdio>
#include <exception>
#include <string>

#include "catalog.h"
#include "icons.h"
#include "output.h"
#include "windows_icon.h"

namespace {

int Usage()
{
    std::fprintf(stderr, "usage: make_assets OUT_DIR [--preview PREVIEW_DIR]\n"
                         "       make_assets --icons THEME_DIR NAME\n"
                         "       make_assets --windows-icon FILE.ico\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::string(argv[1]) == "--icons") {
        std::string failed;
        if (WriteIcons(argv[2], argv[3], &failed))
            return 0;
        std::fprintf(stderr, "make_assets: cannot write %s\n", failed.c_str());
        return 1;
    }
    if (argc == 3 && std::string(argv[1]) == "--windows-icon") {
        if (WriteWindowsIcon(argv[2]))
            return 0;
        std::fprintf(stderr, "make_assets: cannot write %s\n", argv[2]);
        return 1;
    }
    std::string outDir, previewDir;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--preview" && i + 1 < argc)
            previewDir = argv[++i];
        else if (outDir.empty() && !arg.empty() && arg[0] != '-')
            outDir = arg;
        else
            return Usage();
    }
    if (outDir.empty())
        return Usage();
    try {
        const Lettering lettering;
        for (const Asset& asset : Catalog()) {
            const Image image = asset.make(lettering);
            const std::string file = outDir + "/" + asset.name + ".txu";
            if (!WriteTextureFile(image, file)) {
                std::fprintf(stderr, "make_assets: cannot write %s\n", file.c_str());
                return 1;
            }
            const std::string preview = previewDir + "/" + asset.name + ".ppm";
            if (!previewDir.empty() && !WritePreview(image, asset.isPage, preview)) {
                std::fprintf(stderr, "make_assets: cannot write %s\n", preview.c_str());
                return 1;
            }
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "make_assets: %s\n", error.what());
        return 1;
    }
    return 0;
}
