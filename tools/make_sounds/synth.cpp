#include "synth.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kEdgeFade = 0.004;  // seconds

size_t SampleAt(double seconds) { return static_cast<size_t>(std::lround(seconds * kSampleRate)); }

void Reserve(Track& track, size_t end) {
    if (track.size() < end) track.resize(end, 0.0f);
}

// Raised cosine from 0 at x = 0 to 1 at x = 1: no corner to hear.
double Ease(double x) { return x <= 0 ? 0 : x >= 1 ? 1 : 0.5 - 0.5 * std::cos(kPi * x); }

double Envelope(const Note& note, double t) {
    double gain = note.attack > 0 ? Ease(t / note.attack) : 1;
    if (note.decay > 0) gain *= std::exp(-t / note.decay);
    if (note.release > 0) gain *= Ease((note.length - t) / note.release);
    return gain;
}

}  // namespace

double Hz(int midiNote) { return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0); }

void Add(Track& track, const Note& note) {
    const size_t first = SampleAt(note.start), count = SampleAt(note.length);
    Reserve(track, first + count);
    const double toHz = note.toHz > 0 ? note.toHz : note.fromHz;
    double phase = 0;  // of the fundamental, in turns
    for (size_t i = 0; i < count; ++i) {
        const double t = double(i) / kSampleRate;
        double hz = note.fromHz * std::pow(toHz / note.fromHz, t / note.length);
        hz *= std::pow(2.0, note.vibratoSemitones * std::sin(2 * kPi * note.vibratoHz * t) / 12);
        double sample = 0;
        for (size_t h = 0; h < note.timbre.size(); ++h) {
            if (hz * double(h + 1) < kSampleRate / 2.0) sample += note.timbre[h] * std::sin(2 * kPi * phase * double(h + 1));
        }
        track[first + i] += static_cast<float>(note.level * Envelope(note, t) * sample);
        phase = std::fmod(phase + hz / kSampleRate, 1.0);
    }
}

void AddNoise(Track& track, double start, double length, double level, double decay) {
    const size_t first = SampleAt(start), count = SampleAt(length);
    Reserve(track, first + count);
    std::uint32_t state = 0x2545F491u;
    for (size_t i = 0; i < count; ++i) {
        state = state * 1664525u + 1013904223u;
        const double white = double(state >> 8) / double(1u << 23) - 1.0;
        const double t = double(i) / kSampleRate;
        track[first + i] += static_cast<float>(level * white * std::exp(-t / decay) * Ease((length - t) / kEdgeFade));
    }
}

void LowPass(Track& track, double cutoffHz) {
    const double a = 1 - std::exp(-2 * kPi * cutoffHz / kSampleRate);
    double y = 0;
    for (float& sample : track) {
        y += a * (sample - y);
        sample = static_cast<float>(y);
    }
}

void Finish(Track& track, double peak) {
    const size_t fade = std::min(SampleAt(kEdgeFade), track.size() / 2);
    for (size_t i = 0; i < fade; ++i) {
        track[i] = static_cast<float>(track[i] * Ease(double(i) / fade));
        track[track.size() - 1 - i] = static_cast<float>(track[track.size() - 1 - i] * Ease(double(i) / fade));
    }
    float loudest = 0;
    for (float sample : track) loudest = std::max(loudest, std::fabs(sample));
    if (loudest == 0) return;
    for (float& sample : track) sample = static_cast<float>(sample * peak / loudest);
}
