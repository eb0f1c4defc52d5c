#include "recipes.h"

#include <utility>

#include "Sound/soundfiles.h"

namespace {

// MIDI note numbers of the pitches used.
enum { D4 = 62, E4 = 64, F4 = 65, Fs4 = 66, G4 = 67, C5 = 72, E5 = 76, G5 = 79, C6 = 84, E6 = 88, G6 = 91 };

const Timbre kBell = {1, 0.5, 0.25, 0.12, 0.06};
const Timbre kBrass = {1, 0.7, 0.5, 0.35, 0.25, 0.15};
const Timbre kMutedHorn = {1, 0.4, 0.2, 0.1};
const Timbre kBuzz = {1, 1 / 2.0, 1 / 3.0, 1 / 4.0, 1 / 5.0, 1 / 6.0, 1 / 7.0, 1 / 8.0, 1 / 9.0, 1 / 10.0};

Note Bell(double start, double length, int pitch, double level = 1) {
    Note note;
    note.start = start;
    note.length = length;
    note.fromHz = Hz(pitch);
    note.level = level;
    note.timbre = kBell;
    note.decay = length / 2;
    return note;
}

// The splash: a quick bright arpeggio up to a ringing top note.
Track Start() {
    Track track;
    const int steps[] = {C5, E5, G5};
    for (int i = 0; i < 3; ++i) Add(track, Bell(0.09 * i, 0.25, steps[i], 0.8));
    Add(track, Bell(0.27, 0.65, C6));
    Add(track, Bell(0.27, 0.65, G5, 0.4));
    Finish(track, 0.7);
    return track;
}

// "Go": a short brassy fourth up. The game waits for it, so it stays short.
Track Play() {
    Track track;
    Note pickup;
    pickup.length = 0.12;
    pickup.fromHz = Hz(G5);
    pickup.timbre = kBrass;
    pickup.attack = 0.01;
    Add(track, pickup);
    Note go = pickup;
    go.start = 0.11;
    go.length = 0.42;
    go.fromHz = Hz(C6);
    go.decay = 0.35;
    Add(track, go);
    go.fromHz = Hz(E6);
    go.level = 0.3;
    Add(track, go);
    Finish(track, 0.7);
    return track;
}

// A soft, short tick; menu buttons wait for it.
Track Click() {
    Track track;
    Note tick;
    tick.length = 0.045;
    tick.fromHz = 2200;
    tick.toHz = 1800;
    tick.timbre = {1, 0.3};
    tick.attack = 0.002;
    tick.decay = 0.008;
    tick.release = 0.01;
    Add(track, tick);
    AddNoise(track, 0, 0.02, 0.15, 0.004);
    LowPass(track, 6000);
    Finish(track, 0.45);
    return track;
}

// Three falling steps and a long sagging last note.
Track GameOver() {
    Track track;
    const int steps[] = {G4, Fs4, F4};
    Note note;
    note.length = 0.32;
    note.timbre = kMutedHorn;
    note.attack = 0.02;
    note.release = 0.06;
    for (int i = 0; i < 3; ++i) {
        note.start = 0.33 * i;
        note.fromHz = Hz(steps[i]);
        Add(track, note);
    }
    note.start = 0.99;
    note.length = 0.7;
    note.fromHz = Hz(E4);
    note.toHz = Hz(D4);
    note.vibratoHz = 5.5;
    note.vibratoSemitones = 0.3;
    note.release = 0.2;
    Add(track, note);
    Finish(track, 0.7);
    return track;
}

// A dull thud under a low falling buzz.
Track Ouch() {
    Track track;
    Note buzz;
    buzz.length = 0.35;
    buzz.fromHz = 120;
    buzz.toHz = 55;
    buzz.timbre = kBuzz;
    buzz.decay = 0.12;
    buzz.release = 0.05;
    Add(track, buzz);
    Note thump = buzz;
    thump.fromHz = 80;
    thump.toHz = 45;
    thump.timbre = {1};
    thump.level = 1.5;
    thump.decay = 0.06;
    Add(track, thump);
    AddNoise(track, 0, 0.08, 0.3, 0.02);
    LowPass(track, 900);
    Finish(track, 0.75);
    return track;
}

// A quick blip, then a round tone whose pitch drops fast: a swallow.
Track Gulp() {
    Track track;
    Note blip;
    blip.length = 0.06;
    blip.fromHz = 500;
    blip.toHz = 350;
    blip.timbre = {1, 0.3};
    blip.release = 0.02;
    Add(track, blip);
    Note swallow = blip;
    swallow.start = 0.06;
    swallow.length = 0.16;
    swallow.fromHz = 700;
    swallow.toHz = 170;
    swallow.attack = 0.01;
    swallow.release = 0.04;
    Add(track, swallow);
    Finish(track, 0.7);
    return track;
}

// A cheerful run up to a shimmering major chord.
Track Win() {
    Track track;
    const std::pair<int, double> run[] = {{C5, 0.2}, {E5, 0.2}, {G5, 0.2}, {C6, 0.15}, {G5, 0.12}};
    const double starts[] = {0, 0.1, 0.2, 0.3, 0.45};
    for (int i = 0; i < 5; ++i) Add(track, Bell(starts[i], run[i].second, run[i].first, 0.8));
    for (int pitch : {C6, E6, G6}) {
        Note chord = Bell(0.6, 1.2, pitch, pitch == C6 ? 1 : 0.6);
        chord.decay = 0.8;
        chord.vibratoHz = 5;
        chord.vibratoSemitones = 0.1;
        Add(track, chord);
    }
    Finish(track, 0.7);
    return track;
}

}  // namespace

bool MakeSound(const std::string& name, Track* track) {
    const std::pair<const char*, Track (*)()> recipes[] = {
        {sounds::kStart, Start}, {sounds::kPlay, Play}, {sounds::kClick, Click}, {sounds::kGameOver, GameOver},
        {sounds::kOuch, Ouch},   {sounds::kGulp, Gulp}, {sounds::kWin, Win},
    };
    for (const auto& recipe : recipes) {
        if (name == recipe.first) {
            *track = recipe.second();
            return true;
        }
    }
    return false;
}
