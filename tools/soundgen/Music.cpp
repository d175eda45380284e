#include "Music.h"

#include "Reverb.h"
#include "Voices.h"

#include <cmath>
#include <functional>
#include <vector>

using namespace Voices;

namespace {

struct Note {
    double beat;
    double length; // in beats
    int midi;
};

struct Chord {
    int root; // midi note in the bass octave (36..47)
    bool minor;
};

// A loop of `beats` beats at `tempo`; the parts are added as sounds at beat positions and
// wrap around the loop's end.
class Loop {
public:
    Loop(double tempo, int beats)
        : secondsPerBeat(60.0 / tempo),
          frames(std::size_t(std::lround(beats * 60.0 / tempo * SampleRate))) {
        // Three rounds, the room applied to all: the middle round carries the tail of the
        // round before it, just as every later repeat of the loop does.
        signal.Resize(3 * frames);
    }

    void Add(const Sound& sound, double beat, float gain, float pan) {
        for (int round = 0; round < 2; ++round)
            signal.AddMono(
                sound, long(std::lround(beat * secondsPerBeat * SampleRate)) + long(round * frames),
                gain, pan);
    }
    double Seconds(double beats) const { return beats * secondsPerBeat; }

    Signal Finish(float wet, double rmsDbfs) {
        Reverb(0.7f, 0.45f, wet).Apply(signal);
        Signal loop = signal.Slice(frames, frames);
        loop.NormaliseRms(rmsDbfs);
        return loop;
    }

private:
    double secondsPerBeat;
    std::size_t frames;
    Signal signal;
};

// The three notes of the chord in the middle octave, around middle C.
std::vector<int> Triad(const Chord& chord) {
    int root = chord.root + 12;
    while (root < 53)
        root += 12;
    return {root, root + (chord.minor ? 3 : 4), root + 7};
}

constexpr double TrackRms = -23.0;

} // namespace

namespace Music {

Signal Track1() {
    Loop loop(96.0, 32);
    const Chord chords[] = {{41, false}, {38, true}, {46, false}, {36, false},
                            {41, false}, {45, true}, {46, false}, {36, false}};
    const Note melody[] = {{0, 1, 72},     {1, 0.5, 69},    {1.5, 0.5, 72}, {2, 1.5, 77},
                           {3.5, 0.5, 76}, {4, 1.5, 74},    {5.5, 0.5, 72}, {6, 2, 69},
                           {8, 1, 70},     {9, 1, 74},      {10, 1, 77},    {11, 1, 74},
                           {12, 1.5, 72},  {13.5, 0.5, 74}, {14, 1, 76},    {15, 1, 79},
                           {16, 1.5, 81},  {17.5, 0.5, 79}, {18, 1, 77},    {19, 1, 72},
                           {20, 1.5, 76},  {21.5, 0.5, 74}, {22, 2, 72},    {24, 1, 74},
                           {25, 0.5, 72},  {25.5, 0.5, 70}, {26, 1, 69},    {27, 1, 70},
                           {28, 2, 67},    {30, 1, 72},     {31, 1, 76}};
    for (const Note& note : melody)
        loop.Add(EPiano(Frequency(note.midi), loop.Seconds(note.length), 0.45f), note.beat, 0.32f,
                 0.1f);
    std::uint32_t seed = 1;
    for (int bar = 0; bar < 8; ++bar) {
        const Chord& chord = chords[bar];
        const int third = chord.minor ? 3 : 4;
        const int pattern[] = {0, 7, 12, 12 + third, 19, 12 + third, 12, 7};
        for (int step = 0; step < 8; ++step)
            loop.Add(
                Pluck(Frequency(chord.root + 12 + pattern[step]), loop.Seconds(0.5), 0.35f, seed++),
                bar * 4 + step * 0.5, 0.16f, step % 2 ? 0.35f : -0.35f);
        for (int midi : Triad(chord))
            loop.Add(Pad(Frequency(midi), loop.Seconds(3.6)), bar * 4, 0.035f, -0.1f);
        loop.Add(Bass(Frequency(chord.root), loop.Seconds(1.8)), bar * 4, 0.3f, 0.0f);
        loop.Add(Bass(Frequency(chord.root + 7), loop.Seconds(1.8)), bar * 4 + 2, 0.24f, 0.0f);
    }
    return loop.Finish(0.3f, TrackRms);
}

Signal Track2() {
    Loop loop(108.0, 36);
    const Chord chords[] = {{43, false}, {40, true},  {36, false}, {38, false},
                            {43, false}, {47, true},  {36, false}, {38, false},
                            {40, true},  {36, false}, {45, true},  {38, false}};
    const Note melody[] = {{0, 2, 74},      {2, 1, 71},      {3, 1, 76},      {4, 1, 74},
                           {5, 1, 71},      {6, 2, 72},      {8, 1, 76},      {9, 3, 74},
                           {12, 2, 79},     {14, 0.5, 78},   {14.5, 0.5, 76}, {15, 1.5, 74},
                           {16.5, 0.5, 71}, {17, 1, 74},     {18, 1, 76},     {19, 1, 79},
                           {20, 1, 76},     {21, 2, 78},     {23, 1, 69},     {24, 1.5, 71},
                           {25.5, 0.5, 72}, {26, 1, 71},     {27, 1, 67},     {28, 1, 72},
                           {29, 1, 76},     {30, 1, 72},     {31, 1, 71},     {32, 1, 69},
                           {33, 1.5, 69},   {34.5, 0.5, 71}, {35, 1, 72}};
    for (const Note& note : melody) {
        loop.Add(Marimba(Frequency(note.midi), loop.Seconds(note.length)), note.beat, 0.4f, 0.15f);
        loop.Add(Pad(Frequency(note.midi), loop.Seconds(note.length) * 0.8), note.beat, 0.018f,
                 0.15f);
    }
    std::uint32_t seed = 100;
    for (int bar = 0; bar < 12; ++bar) {
        const Chord& chord = chords[bar];
        loop.Add(Bass(Frequency(chord.root), loop.Seconds(2.6)), bar * 3, 0.32f, 0.0f);
        // The harp strums the chord on the second and third beat, low string first.
        for (int beat = 1; beat <= 2; ++beat) {
            int string = 0;
            for (int midi : Triad(chord)) {
                loop.Add(Pluck(Frequency(midi), loop.Seconds(0.9), 0.3f, seed++),
                         bar * 3 + beat + 0.03 * string, 0.12f, -0.3f + 0.2f * string);
                ++string;
            }
        }
        for (int midi : Triad(chord))
            loop.Add(Pad(Frequency(midi - 12), loop.Seconds(2.7)), bar * 3, 0.025f, -0.2f);
    }
    return loop.Finish(0.32f, TrackRms);
}

Signal Track3() {
    Loop loop(90.0, 32);
    const Chord chords[] = {{38, false}, {45, false}, {47, true}, {42, true},
                            {43, false}, {38, false}, {40, true}, {45, false}};
    const Note melody[] = {
        {0, 1, 78},      {1, 0.5, 76},   {1.5, 0.5, 74}, {2, 2, 69},      {4, 1, 73},
        {5, 0.5, 74},    {5.5, 0.5, 76}, {6, 2, 76},     {8, 1.5, 74},    {9.5, 0.5, 73},
        {10, 1, 71},     {11, 1, 66},    {12, 1.5, 69},  {13.5, 0.5, 71}, {14, 2, 73},
        {16, 1, 71},     {17, 1, 74},    {18, 1.5, 79},  {19.5, 0.5, 78}, {20, 1, 78},
        {21, 1, 76},     {22, 2, 74},    {24, 1, 76},    {25, 1, 79},     {26, 0.5, 78},
        {26.5, 0.5, 76}, {27, 1, 74},    {28, 2, 73},    {30, 1, 69},     {31, 1, 76}};
    std::uint32_t seed = 500;
    for (const Note& note : melody)
        loop.Add(Pluck(Frequency(note.midi), loop.Seconds(note.length), 0.5f, seed++), note.beat,
                 0.42f, 0.15f);
    for (int bar = 0; bar < 8; ++bar) {
        const Chord& chord = chords[bar];
        for (double beat : {0.0, 1.5, 2.5})
            for (int midi : Triad(chord))
                loop.Add(EPiano(Frequency(midi - 12), loop.Seconds(beat == 0.0 ? 1.4 : 0.9), 0.25f),
                         bar * 4 + beat, beat == 0.0 ? 0.1f : 0.07f, -0.25f);
        loop.Add(Bass(Frequency(chord.root), loop.Seconds(1.8)), bar * 4, 0.3f, 0.0f);
        loop.Add(Bass(Frequency(chord.root + 7), loop.Seconds(1.8)), bar * 4 + 2, 0.24f, 0.0f);
        for (int midi : Triad(chord))
            loop.Add(Pad(Frequency(midi), loop.Seconds(3.7)), bar * 4, 0.03f, 0.1f);
    }
    return loop.Finish(0.3f, TrackRms);
}

} // namespace Music
