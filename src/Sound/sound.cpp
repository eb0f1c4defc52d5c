#include "Sound/sound.h"

#include <string>

#include "Sound/soundfiles.h"
#include "gamefile.h"
#include "platform/platform.h"

Sound::Sound() {}

Sound::~Sound() {}

void Sound::Play(const char* SoundFile, int async) {
    if (!SoundFile) return;
    const std::string path = GameFilePath((std::string(sounds::kFolder) + '\\' + SoundFile).c_str());
    platform::Current().PlaySoundFile(path.c_str(), async != 0);
}
