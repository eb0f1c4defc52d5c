#include "Sound/sound.h"

#include <string>

#include "gamefile.h"
#include "platform/platform.h"

Sound::Sound() {}

Sound::~Sound() {}

void Sound::Play(const char* SoundFile, int async) {
    if (!SoundFile) return;
    const std::string path = GameFilePath((std::string("Sounds\\") + SoundFile).c_str());
    platform::Current().PlaySoundFile(path.c_str(), async != 0);
}
