// make_sounds: synthesises the game's sounds.
//
//   make_sounds OUT_DIR
//
// writes OUT_DIR/<name> for every sound the game asks for. Nothing is
// random or read, so every run writes the same bytes.
#include <cstdio>
#include <string>

#include "Sound/soundfiles.h"
#include "recipes.h"
#include "wavfile.h"

int main(int argc, char** argv) {
    if (argc != 2 || argv[1][0] == '-') {
        std::fprintf(stderr, "usage: make_sounds OUT_DIR\n");
        return 2;
    }
    for (const char* name : sounds::kFiles) {
        Track track;
        if (!MakeSound(name, &track)) {
            std::fprintf(stderr, "make_sounds: no recipe for %s\n", name);
            return 1;
        }
        const std::string path = std::string(argv[1]) + "/" + name;
        if (!WriteWav(track, path)) {
            std::fprintf(stderr, "make_sounds: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
