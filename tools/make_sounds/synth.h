// A small additive synthesiser: notes made of a few harmonics, gliding in
// pitch and shaped by an envelope, mixed into one mono track.
#pragma once

#include <vector>

constexpr int kSampleRate = 22050;

// Samples in -1..1 at kSampleRate.
using Track = std::vector<float>;

// Strengths of the first harmonics, the fundamental first.
using Timbre = std::vector<double>;

struct Note {
    double start = 0;   // seconds into the track
    double length = 0;  // seconds, the release included
    double fromHz = 440;
    double toHz = 0;  // the pitch glides there over the note; 0 holds it
    double level = 1;
    Timbre timbre = {1};
    double attack = 0.005;  // seconds of fade-in
    double release = 0.03;  // seconds of fade-out at the note's end
    double decay = 0;       // seconds for the level to fall to 1/e; 0 holds it
    double vibratoHz = 0;
    double vibratoSemitones = 0;
};

// The frequency of a MIDI note number (69 is the A at 440 Hz).
double Hz(int midiNote);

void Add(Track& track, const Note& note);

// A burst of noise from a fixed seed, so every run makes the same sound.
void AddNoise(Track& track, double start, double length, double level, double decay);

// Takes the edge off bright content: a one-pole low-pass over the track.
void LowPass(Track& track, double cutoffHz);

// Scales the track so that its loudest sample is `peak` (below 1, so no
// sample clips) and fades the first and last milliseconds to silence, so
// the sound starts and stops without a click.
void Finish(Track& track, double peak);
