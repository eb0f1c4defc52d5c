#include "game_fixture.h"

std::vector<std::string> SoundsSince(size_t from) {
    std::vector<std::string> names;
    for (size_t i = from; i < Sound::Requests().size(); i++) names.push_back(Sound::Requests()[i].file);
    return names;
}

int LitPixels(const platform::Frame& f) {
    int lit = 0;
    for (size_t i = 0; i < f.rgba.size(); i += 4) lit += (f.rgba[i] | f.rgba[i + 1] | f.rgba[i + 2]) != 0;
    return lit;
}
