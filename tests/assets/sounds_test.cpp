// The game's sounds by sox's figures for length, loudness, quiet ends and the pitch's direction.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>

#include "Sound/soundfiles.h"

namespace {

const std::string kBuilt = TRAMOX_GAME_DIR "/Sounds/";

std::string Output(const std::string& command) {
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen((command + " 2>&1").c_str(), "r"), pclose);
    std::string text;
    char buffer[512];
    while (pipe && std::fgets(buffer, sizeof buffer, pipe.get())) text += buffer;
    return text;
}

// A figure of `sox FILE -n EFFECTS stat`, such as "Maximum amplitude".
double Stat(const std::string& file, const std::string& effects, const std::string& figure) {
    const std::string text = Output("sox '" + file + "' -n " + effects + " stat");
    const size_t at = text.find(figure + ":");
    if (at == std::string::npos) {
        ADD_FAILURE() << "no " << figure << " in: " << text;
        return 0;
    }
    return std::strtod(text.c_str() + at + figure.size() + 1, nullptr);
}

double Peak(const std::string& file, const std::string& effects = "") {
    return std::max(Stat(file, effects, "Maximum amplitude"), -Stat(file, effects, "Minimum amplitude"));
}

TEST(SoundFiles, EachIsShortCleanAndShapedForItsMoment) {
    // Name, longest seconds, pitch from the first third to the last: +1 rising, -1 falling, 0 either.
    const struct {
        std::string name;
        double longest;
        int direction;
    } cases[] = {
        {"Start.wav", 2.5, +1}, {"Play.wav", 2.5, +1}, {"Click.wav", 0.15, 0}, {"GameOver.wav", 2.5, -1},
        {"Ouch.wav", 2.5, -1},  {"Gulp.wav", 0.4, -1}, {"Win.wav", 2.5, +1},
    };
    ASSERT_EQ(std::size(cases), std::size(sounds::kFiles));
    for (size_t i = 0; i < std::size(cases); ++i) {
        const auto& c = cases[i];
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.name, sounds::kFiles[i]);
        const std::string file = kBuilt + c.name;
        const std::string info = Output("sox --i '" + file + "'");
        EXPECT_NE(info.find("Channels       : 1\n"), std::string::npos) << info;
        EXPECT_NE(info.find(": 16-bit Signed Integer PCM"), std::string::npos) << info;
        const double seconds = std::atof(Output("sox --i -D '" + file + "'").c_str());
        EXPECT_GT(seconds, 0.02);
        EXPECT_LT(seconds, c.longest);
        const double peak = Peak(file);
        EXPECT_LT(peak, 0.9);
        EXPECT_GT(peak, 0.3);
        EXPECT_GT(Stat(file, "", "RMS     amplitude"), 0.05);
        // A sound that starts or stops away from zero clicks.
        EXPECT_LT(Peak(file, "trim 0 0.001"), 0.1);
        EXPECT_LT(Peak(file, "trim -0.001"), 0.1);
        const std::string third = std::to_string(seconds / 3);
        const double first = Stat(file, "trim 0 " + third, "Rough   frequency");
        const double last = Stat(file, "trim -" + third, "Rough   frequency");
        if (c.direction != 0) {
            EXPECT_GT(c.direction * (last / first - 1), 0.05) << first << " Hz to " << last << " Hz";
        }
    }
}

}  // namespace
