// The desktop backend's sound, played through SDL's disk driver: the samples
// the device took land in a file, in the format of the first sound played.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <string>

#include "gamedir.h"
#include "platform/sdl/sdl_audio.h"

namespace {

using Clock = std::chrono::steady_clock;

long MillisecondsSince(Clock::time_point start) {
    return static_cast<long>(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
}

// A WAV file's sample bytes (what follows "data" and its size).
std::string Samples(const std::string& wav) { return wav.substr(wav.find("data") + 8); }

// The 16-bit samples that are not silence.
size_t Sounding(const std::string& samples) {
    size_t n = 0;
    for (size_t i = 0; i + 1 < samples.size(); i += 2) n += samples[i] != 0 || samples[i + 1] != 0;
    return n;
}

long LengthMs(const std::string& wav) { return static_cast<long>(Samples(wav).size() * 1000 / (2 * 22050)); }

class SdlAudioTest : public testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", dir_.File("heard.raw").c_str(), 1);
    }
    void TearDown() override { unsetenv("SDL_AUDIODRIVER"); }
    std::string Sound(const std::string& name) const { return dir_.File("Sounds/" + name); }
    std::string Wav(const std::string& name) const { return dir_.Read("Sounds/" + name); }
    // What the device played, once it is closed.
    std::string Heard() const { return dir_.Read("heard.raw"); }

    ScopedGameDir dir_;
};

TEST_F(SdlAudioTest, AWaitedSoundPlaysWholeAndAnUnwaitedOneIsCutOffByTheNext) {
    {
        platform::SdlAudio audio;
        audio.Play(Sound("Win.wav").c_str(), false);
        const Clock::time_point start = Clock::now();
        audio.Play(Sound("Play.wav").c_str(), true);
        EXPECT_GE(MillisecondsSince(start), LengthMs(Wav("Play.wav")));
    }
    const std::string heard = Heard();
    EXPECT_NE(heard.find(Samples(Wav("Play.wav"))), std::string::npos);
    EXPECT_EQ(heard.find(Samples(Wav("Win.wav"))), std::string::npos);
}

TEST_F(SdlAudioTest, FilesWithoutSoundAreSkippedAndOtherFormatsConverted) {
    dir_.Write("empty.wav", "");
    dir_.Write("text.wav", "RIFF, but not really");
    dir_.Write("cut.wav", Wav("Start.wav").substr(0, 30));
    ASSERT_EQ(std::system(("sox " + Sound("Gulp.wav") + " -r 44100 -c 2 -b 8 " + dir_.File("other.wav")).c_str()), 0);
    {
        platform::SdlAudio audio;
        // Bad files first: the device opens at the first sound there is.
        for (const char* bad : {"missing.wav", "empty.wav", "text.wav", "cut.wav"}) {
            audio.Play(dir_.File(bad).c_str(), true);
            EXPECT_FALSE(dir_.Exists("heard.raw")) << bad;
        }
        audio.Play(Sound("Click.wav").c_str(), true);
        for (const char* bad : {"missing.wav", "empty.wav", "text.wav", "cut.wav"}) {
            const Clock::time_point start = Clock::now();
            audio.Play(dir_.File(bad).c_str(), true);
            EXPECT_LT(MillisecondsSince(start), LengthMs(Wav("Click.wav"))) << bad;
        }
        const Clock::time_point start = Clock::now();
        audio.Play(dir_.File("other.wav").c_str(), true);
        EXPECT_GE(MillisecondsSince(start), LengthMs(Wav("Gulp.wav")));
    }
    // The click, then the converted gulp: about as many sounding samples as
    // the two files hold (the driver writes silence while nothing plays).
    const std::string heard = Heard();
    EXPECT_NE(heard.find(Samples(Wav("Click.wav"))), std::string::npos);
    const double expected = double(Sounding(Samples(Wav("Click.wav"))) + Sounding(Samples(Wav("Gulp.wav"))));
    EXPECT_NEAR(Sounding(heard) / expected, 1.0, 0.15);
}

TEST_F(SdlAudioTest, WithoutADeviceNothingWaitsAndOneLineIsPrinted) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    testing::internal::CaptureStderr();
    const Clock::time_point start = Clock::now();
    {
        platform::SdlAudio audio;
        for (const char* name : {"Play.wav", "Click.wav", "Win.wav"}) audio.Play(Sound(name).c_str(), true);
    }
    EXPECT_LT(MillisecondsSince(start), LengthMs(Wav("Play.wav")));
    const std::string printed = testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 1) << printed;
}

}  // namespace
