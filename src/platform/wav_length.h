// The playing time of a WAV file, from its RIFF header; backends that
// play a sound without being told when it ends wait this long.
#pragma once

namespace platform {

// Milliseconds of sound in the file's data chunk at its format's byte rate;
// 0 for a missing file or one that is not a PCM-style WAV.
long WavLengthMs(const char* path);

}  // namespace platform
