#include "Music.h"

#include "Loop.h"

#include <vector>

namespace {

struct Note {
    double beat;
    double length; // in beats
    int midi;
};

// A chord by its root in the bass octave (36..47); its seventh in semitones above the root
// (0 for none); and a bass note other than the root, where it has one.
struct Chord {
    int root;
    bool minor;
    int seventh = 0;
    int bass = 0;
};

int Third(const Chord& chord) {
    return chord.minor ? 3 : 4;
}

int BassNote(const Chord& chord) {
    return chord.bass ? chord.bass : chord.root;
}

// The notes of the chord in the middle octave, around middle C, its seventh on top.
std::vector<int> Voicing(const Chord& chord) {
    int root = chord.root + 12;
    while (root < 53)
        root += 12;
    std::vector<int> notes{root, root + Third(chord), root + 7};
    if (chord.seventh)
        notes.push_back(root + chord.seventh);
    return notes;
}

void Melody(Loop& loop, const std::vector<Note>& notes, double from, Instrument instrument,
            float gain, float pan, float tone = 0.5f, int transpose = 0) {
    for (const Note& note : notes)
        loop.Play(instrument, note.midi + transpose, from + note.beat, note.length, gain, pan,
                  tone);
}

void Pads(Loop& loop, const Chord& chord, double beat, double length, float gain, float pan,
          int transpose = 0) {
    for (int midi : Voicing(chord))
        loop.Play(Instrument::Pad, midi + transpose, beat, length, gain, pan);
}

constexpr double TrackRms = -28.0;

// ---- Track 1: F major, 96 beats a minute ----------------------------------------------------

const Chord F{41, false}, Dm{38, true}, Bb{46, false}, C{36, false}, Am{45, true}, Gm{43, true};
const Chord FoverA{41, false, 0, 45}, Dm7{38, true, 10}, Gm7{43, true, 10}, C7{36, false, 10},
    Am7{45, true, 10}, Bbmaj7{46, false, 11};

// The theme: a singing line that climbs to the high A and settles.
const std::vector<Note> Theme1 = {{0, 1, 72},     {1, 0.5, 69},    {1.5, 0.5, 72}, {2, 1.5, 77},
                                  {3.5, 0.5, 76}, {4, 1.5, 74},    {5.5, 0.5, 72}, {6, 2, 69},
                                  {8, 1, 70},     {9, 1, 74},      {10, 1, 77},    {11, 1, 74},
                                  {12, 1.5, 72},  {13.5, 0.5, 74}, {14, 1, 76},    {15, 1, 79},
                                  {16, 1.5, 81},  {17.5, 0.5, 79}, {18, 1, 77},    {19, 1, 72},
                                  {20, 1.5, 76},  {21.5, 0.5, 74}, {22, 2, 72},    {24, 1, 74},
                                  {25, 0.5, 72},  {25.5, 0.5, 70}, {26, 1, 69},    {27, 1, 70},
                                  {28, 2, 67},    {30, 1, 72},     {31, 1, 76}};
// The answer: longer notes that sink and rise again, over a bass that walks down.
const std::vector<Note> Answer1 = {
    {0, 2, 74},      {2, 1, 72},  {3, 1, 70},  {4, 3, 69},  {7, 1, 72},  {8, 1.5, 70},
    {9.5, 0.5, 69},  {10, 1, 67}, {11, 1, 74}, {12, 3, 72}, {15, 1, 76}, {16, 2, 77},
    {18, 1, 76},     {19, 1, 74}, {20, 2, 76}, {22, 1, 72}, {23, 1, 69}, {24, 1.5, 74},
    {25.5, 0.5, 72}, {26, 1, 70}, {27, 1, 74}, {28, 2, 67}, {30, 1, 70}, {31, 1, 76}};
// The bridge: broken chords that climb bar by bar to the dominant, which leads into the
// theme's first note.
const std::vector<Note> Bridge1 = {{0, 1, 74},   {1, 1, 70},     {2, 1, 67},  {3, 1, 70},
                                   {4, 1, 76},   {5, 1, 72},     {6, 1, 69},  {7, 1, 72},
                                   {8, 1.5, 77}, {9.5, 0.5, 76}, {10, 1, 74}, {11, 1, 77},
                                   {12, 2, 67},  {14, 1, 70},    {15, 1, 76}};

} // namespace

namespace Music {

// A (bars 1-8): the theme on the electric piano over plucked arpeggios that rise and fall.
// B (9-16): a calmer answer around B flat and D minor; the strings pluck quarter notes,
//   the pads swell, the bass holds long notes.
// A' (17-24): the theme again in octaves over seventh chords, a soft horn line beneath it,
//   the arpeggios falling first, the bass moving in three steps a bar.
// C (25-28): a bridge climbing through G minor and A minor to C seven, the strings in
//   wider arpeggios, the bass walking; its last bar leads into the theme.
Signal Track1() {
    Loop loop(96.0, 112);
    // A
    Melody(loop, Theme1, 0, Instrument::EPiano, 0.32f, 0.1f, 0.45f);
    const Chord a[] = {F, Dm, Bb, C, F, Am, Bb, C};
    for (int bar = 0; bar < 8; ++bar) {
        const Chord& chord = a[bar];
        const double at = bar * 4;
        const int t = Third(chord);
        const int pattern[] = {0, 7, 12, 12 + t, 19, 12 + t, 12, 7};
        for (int step = 0; step < 8; ++step)
            loop.Play(Instrument::Pluck, chord.root + 12 + pattern[step], at + step * 0.5, 0.5,
                      0.16f, step % 2 ? 0.35f : -0.35f, 0.35f);
        Pads(loop, chord, at, 3.6, 0.035f, -0.1f);
        loop.Play(Instrument::Bass, chord.root, at, 1.8, 0.3f, 0.0f);
        loop.Play(Instrument::Bass, chord.root + 7, at + 2, 1.8, 0.24f, 0.0f);
    }
    // B
    Melody(loop, Answer1, 32, Instrument::EPiano, 0.3f, -0.05f, 0.35f);
    const Chord b[] = {Bb, FoverA, Gm, C, Dm, Am, Bb, C7};
    for (int bar = 0; bar < 8; ++bar) {
        const Chord& chord = b[bar];
        const double at = 32 + bar * 4;
        const int t = Third(chord);
        const int pattern[] = {12, 12 + t, 19, 12 + t};
        for (int step = 0; step < 4; ++step)
            loop.Play(Instrument::Pluck, chord.root + 12 + pattern[step], at + step, 1.0, 0.15f,
                      step % 2 ? -0.4f : 0.4f, 0.3f);
        Pads(loop, chord, at, 3.8, 0.045f, 0.1f);
        loop.Play(Instrument::Bass, BassNote(chord), at, 3.6, 0.3f, 0.0f);
    }
    // A'
    Melody(loop, Theme1, 64, Instrument::EPiano, 0.26f, 0.15f, 0.55f);
    Melody(loop, Theme1, 64, Instrument::EPiano, 0.14f, -0.15f, 0.3f, -12);
    const Chord a2[] = {F, Dm7, Gm7, C7, F, Am7, Bbmaj7, C7};
    const int horn[] = {57, 60, 58, 58, 57, 60, 57, 58};
    for (int bar = 0; bar < 8; ++bar) {
        const Chord& chord = a2[bar];
        const double at = 64 + bar * 4;
        const int t = Third(chord);
        const int top = chord.seventh ? 12 + chord.seventh : 19;
        const int pattern[] = {top, 12 + t, 12, 7, 0, 7, 12, 12 + t};
        for (int step = 0; step < 8; ++step)
            loop.Play(Instrument::Pluck, chord.root + 12 + pattern[step], at + step * 0.5, 0.5,
                      0.15f, step % 2 ? -0.35f : 0.35f, 0.45f);
        loop.Play(Instrument::Horn, horn[bar], at, 3.5, 0.1f, -0.3f);
        Pads(loop, chord, at, 3.6, 0.03f, -0.1f);
        loop.Play(Instrument::Bass, chord.root, at, 1.5, 0.28f, 0.0f);
        loop.Play(Instrument::Bass, chord.root + 7, at + 2, 1.0, 0.22f, 0.0f);
        loop.Play(Instrument::Bass, chord.root + 12, at + 3, 1.0, 0.2f, 0.0f);
    }
    // C
    Melody(loop, Bridge1, 96, Instrument::EPiano, 0.32f, 0.05f, 0.5f);
    const Chord c[] = {Gm7, Am7, Bb, C7};
    for (int bar = 0; bar < 4; ++bar) {
        const Chord& chord = c[bar];
        const double at = 96 + bar * 4;
        const int t = Third(chord);
        const int top = chord.seventh ? 12 + chord.seventh : 19;
        const int pattern[] = {0, 7, 12, 12 + t, top, 24, 19, 12 + t};
        for (int step = 0; step < 8; ++step)
            loop.Play(Instrument::Pluck, chord.root + 12 + pattern[step], at + step * 0.5, 0.5,
                      0.15f, step % 2 ? 0.4f : -0.4f, 0.4f);
        Pads(loop, chord, at, 3.7, 0.04f, 0.0f);
        const int walk[] = {0, t, 7, chord.seventh ? chord.seventh : 9};
        for (int step = 0; step < 4; ++step)
            loop.Play(Instrument::Bass, chord.root + walk[step], at + step, 0.95, 0.27f, 0.0f);
    }
    return loop.Finish(0.3f, TrackRms);
}

} // namespace Music

namespace {

// ---- Track 2: G major waltz, 108 beats a minute ---------------------------------------------

const Chord G{43, false}, Em{40, true}, C2{36, false}, D{38, false}, Bm{47, true}, Am2{45, true};
const Chord B7{47, false, 10}, Em7{40, true, 10}, Cmaj7{36, false, 11}, D7{38, false, 10},
    GoverB{43, false, 0, 47}, Bm7{47, true, 10}, Am7b{45, true, 10};

const std::vector<Note> Theme2 = {{0, 2, 74},      {2, 1, 71},      {3, 1, 76},      {4, 1, 74},
                                  {5, 1, 71},      {6, 2, 72},      {8, 1, 76},      {9, 3, 74},
                                  {12, 2, 79},     {14, 0.5, 78},   {14.5, 0.5, 76}, {15, 1.5, 74},
                                  {16.5, 0.5, 71}, {17, 1, 74},     {18, 1, 76},     {19, 1, 79},
                                  {20, 1, 76},     {21, 2, 78},     {23, 1, 69},     {24, 1.5, 71},
                                  {25.5, 0.5, 72}, {26, 1, 71},     {27, 1, 67},     {28, 1, 72},
                                  {29, 1, 76},     {30, 1, 72},     {31, 1, 71},     {32, 1, 69},
                                  {33, 1.5, 69},   {34.5, 0.5, 71}, {35, 1, 72}};
// In E minor: a line that turns on itself and climbs to the high A over the B seven chord.
const std::vector<Note> Answer2 = {
    {0, 1, 71},  {1, 1, 76},  {2, 1, 79},    {3, 1.5, 76},    {4.5, 0.5, 74}, {5, 1, 72},
    {6, 1, 69},  {7, 1, 74},  {8, 1, 78},    {9, 2, 74},      {11, 1, 71},    {12, 1, 72},
    {13, 1, 76}, {14, 1, 79}, {15, 1.5, 81}, {16.5, 0.5, 79}, {17, 1, 76},    {18, 1, 75},
    {19, 1, 78}, {20, 1, 81}, {21, 2, 79},   {23, 1, 76}};
// Rising bar by bar through B minor and A minor to D seven, whose last notes lead into
// the theme.
const std::vector<Note> Bridge2 = {
    {0, 1, 67},     {1, 1, 72},      {2, 1, 76},  {3, 2, 78},  {5, 1, 74},  {6, 1.5, 71},
    {7.5, 0.5, 74}, {8, 1, 78},      {9, 2, 79},  {11, 1, 76}, {12, 1, 72}, {13, 1, 76},
    {14, 1, 81},    {15, 2, 78},     {17, 1, 74}, {18, 1, 76}, {19, 1, 72}, {20, 1, 69},
    {21, 1.5, 69},  {22.5, 0.5, 71}, {23, 1, 72}};

// The harp strums the chord on the second and third beat, the low string first, or the
// high one first when `downwards`.
void Strums(Loop& loop, const Chord& chord, double barBeat, bool downwards, float gain) {
    std::vector<int> strings = Voicing(chord);
    if (downwards)
        strings.assign(strings.rbegin(), strings.rend());
    for (int beat = 1; beat <= 2; ++beat)
        for (std::size_t k = 0; k < strings.size(); ++k)
            loop.Play(Instrument::Pluck, strings[k], barBeat + beat + 0.03 * double(k), 0.9, gain,
                      -0.3f + 0.2f * float(k), 0.3f);
}

} // namespace

namespace Music {

// A (bars 1-12): the theme on the marimba, doubled softly by a pad, over a bass on the
//   first beat and the harp's chords on the second and third.
// B (13-20): in E minor; the marimba climbs to the high A over B seven; the harp plays
//   broken chords in quavers instead of strumming.
// A' (21-32): the theme on the harp with the marimba an octave below, over seventh
//   chords strummed from the top down, a horn holding the harmony and a bass that answers
//   on the third beat.
// C (33-40): a bridge through B minor and A minor to D seven, the harp strumming four
//   strings; its last bar leads into the theme.
Signal Track2() {
    Loop loop(108.0, 120);
    // A
    for (const Note& note : Theme2) {
        loop.Play(Instrument::Marimba, note.midi, note.beat, note.length, 0.4f, 0.15f);
        loop.Play(Instrument::Pad, note.midi, note.beat, note.length * 0.8, 0.018f, 0.15f);
    }
    const Chord a[] = {G, Em, C2, D, G, Bm, C2, D, Em, C2, Am2, D};
    for (int bar = 0; bar < 12; ++bar) {
        const Chord& chord = a[bar];
        const double at = bar * 3;
        loop.Play(Instrument::Bass, chord.root, at, 2.6, 0.32f, 0.0f);
        Strums(loop, chord, at, false, 0.12f);
        Pads(loop, chord, at, 2.7, 0.025f, -0.2f, -12);
    }
    // B
    Melody(loop, Answer2, 36, Instrument::Marimba, 0.38f, 0.1f);
    const Chord b[] = {Em, Am2, D, G, C2, Am2, B7, Em};
    for (int bar = 0; bar < 8; ++bar) {
        const Chord& chord = b[bar];
        const double at = 36 + bar * 3;
        const int t = Third(chord);
        const int pattern[] = {12, 19, 24, 24 + t, 24, 19};
        for (int step = 0; step < 6; ++step)
            loop.Play(Instrument::Pluck, chord.root + pattern[step], at + step * 0.5, 0.6, 0.1f,
                      step % 2 ? 0.3f : -0.3f, 0.3f);
        loop.Play(Instrument::Bass, chord.root, at, 2.6, 0.3f, 0.0f);
        Pads(loop, chord, at, 2.8, 0.022f, 0.2f);
    }
    // A'
    Melody(loop, Theme2, 60, Instrument::Pluck, 0.36f, 0.2f, 0.6f);
    Melody(loop, Theme2, 60, Instrument::Marimba, 0.22f, -0.1f, 0.5f, -12);
    const Chord a2[] = {G, Em7, Cmaj7, D7, GoverB, Bm7, C2, D, Em, C2, Am7b, D7};
    for (int bar = 0; bar < 12; ++bar) {
        const Chord& chord = a2[bar];
        const double at = 60 + bar * 3;
        loop.Play(Instrument::Bass, BassNote(chord), at, 1.8, 0.3f, 0.0f);
        loop.Play(Instrument::Bass, chord.root + 7, at + 2, 0.9, 0.2f, 0.0f);
        Strums(loop, chord, at, true, 0.1f);
        loop.Play(Instrument::Horn, Voicing(chord)[1] - 12, at, 2.8, 0.07f, -0.25f);
        Pads(loop, chord, at, 2.7, 0.02f, -0.2f);
    }
    // C
    Melody(loop, Bridge2, 96, Instrument::Marimba, 0.4f, 0.15f);
    const Chord c[] = {C2, D, Bm, Em, Am2, D, C2, D7};
    for (int bar = 0; bar < 8; ++bar) {
        const Chord& chord = c[bar];
        const double at = 96 + bar * 3;
        loop.Play(Instrument::Bass, chord.root, at, 1.8, 0.32f, 0.0f);
        loop.Play(Instrument::Bass, chord.root + 7, at + 2, 0.9, 0.22f, 0.0f);
        std::vector<int> strings = Voicing(chord);
        strings.push_back(strings.front() + 12);
        for (int beat = 1; beat <= 2; ++beat)
            for (std::size_t k = 0; k < strings.size(); ++k)
                loop.Play(Instrument::Pluck, strings[k], at + beat + 0.025 * double(k), 0.9, 0.11f,
                          -0.3f + 0.2f * float(k), 0.35f);
        Pads(loop, chord, at, 2.8, 0.03f, -0.2f, -12);
    }
    return loop.Finish(0.32f, TrackRms);
}

} // namespace Music

namespace {

// ---- Track 3: D major, 90 beats a minute ----------------------------------------------------

const Chord D3{38, false}, A3{45, false}, Bm3{47, true}, FSharpM{42, true}, G3{43, false},
    Em3{40, true};
const Chord A7{45, false, 10}, Bm7b{47, true, 10}, FSharpM7{42, true, 10}, Gmaj7{43, false, 11},
    Em7b{40, true, 10}, AoverCSharp{45, false, 0, 37}, DoverFSharp{38, false, 0, 42};

const std::vector<Note> Theme3 = {
    {0, 1, 78},      {1, 0.5, 76},    {1.5, 0.5, 74}, {2, 2, 69},     {4, 1, 73},  {5, 0.5, 74},
    {5.5, 0.5, 76},  {6, 2, 76},      {8, 1.5, 74},   {9.5, 0.5, 73}, {10, 1, 71}, {11, 1, 66},
    {12, 1.5, 69},   {13.5, 0.5, 71}, {14, 2, 73},    {16, 1, 71},    {17, 1, 74}, {18, 1.5, 79},
    {19.5, 0.5, 78}, {20, 1, 78},     {21, 1, 76},    {22, 2, 74},    {24, 1, 76}, {25, 1, 79},
    {26, 0.5, 78},   {26.5, 0.5, 76}, {27, 1, 74},    {28, 2, 73},    {30, 1, 69}, {31, 1, 76}};
// In B minor: a falling answer that climbs to the high A and comes down to the dominant.
const std::vector<Note> Answer3 = {
    {0, 2, 74},    {2, 1, 73},      {3, 1, 71},     {4, 2, 67},  {6, 1, 71},
    {7, 1, 74},    {8, 1.5, 78},    {9.5, 0.5, 76}, {10, 2, 74}, {12, 3, 76},
    {15, 1, 73},   {16, 1, 71},     {17, 1, 74},    {18, 1, 78}, {19, 1, 81},
    {20, 1.5, 79}, {21.5, 0.5, 78}, {22, 2, 76},    {24, 1, 74}, {25, 1, 71},
    {26, 1, 67},   {27, 1, 71},     {28, 2, 69},    {30, 1, 73}, {31, 1, 76}};
// Broken chords climbing from E minor to A seven, whose last notes lead into the theme.
const std::vector<Note> Bridge3 = {{0, 1, 67},   {1, 1, 71},     {2, 1, 76},  {3, 1, 74},
                                   {4, 1, 69},   {5, 1, 73},     {6, 1, 78},  {7, 1, 76},
                                   {8, 1.5, 74}, {9.5, 0.5, 76}, {10, 1, 79}, {11, 1, 71},
                                   {12, 2, 73},  {14, 1, 69},    {15, 1, 76}};

} // namespace

namespace Music {

// A (bars 1-8): the theme on plucked strings over the piano's chords on one, the second
//   half of two, and three and a half.
// B (9-16): in B minor; the piano holds whole-bar chords under soft plucked arpeggios,
//   the bass moves in octaves.
// A' (17-24): the theme on the marimba with the strings an octave below, over seventh
//   chords and a bass that moves down by step; the piano plays on one, the second half of
//   two, and four.
// C (25-28): a bridge from E minor seven to A seven, the piano on every beat and the
//   bass walking; its last bar leads into the theme.
Signal Track3() {
    Loop loop(90.0, 112);
    // A
    Melody(loop, Theme3, 0, Instrument::Pluck, 0.42f, 0.15f, 0.5f);
    const Chord a[] = {D3, A3, Bm3, FSharpM, G3, D3, Em3, A3};
    for (int bar = 0; bar < 8; ++bar) {
        const Chord& chord = a[bar];
        const double at = bar * 4;
        for (double beat : {0.0, 1.5, 2.5})
            for (int midi : Voicing(chord))
                loop.Play(Instrument::EPiano, midi - 12, at + beat, beat == 0.0 ? 1.4 : 0.9,
                          beat == 0.0 ? 0.1f : 0.07f, -0.25f, 0.25f);
        loop.Play(Instrument::Bass, chord.root, at, 1.8, 0.3f, 0.0f);
        loop.Play(Instrument::Bass, chord.root + 7, at + 2, 1.8, 0.24f, 0.0f);
        Pads(loop, chord, at, 3.7, 0.03f, 0.1f);
    }
    // B
    Melody(loop, Answer3, 32, Instrument::Pluck, 0.4f, 0.1f, 0.4f);
    const Chord b[] = {Bm3, G3, D3, A3, Bm3, Em3, G3, A3};
    for (int bar = 0; bar < 8; ++bar) {
        const Chord& chord = b[bar];
        const double at = 32 + bar * 4;
        const int t = Third(chord);
        for (int midi : Voicing(chord))
            loop.Play(Instrument::EPiano, midi - 12, at, 3.8, 0.09f, -0.2f, 0.2f);
        const int pattern[] = {12, 12 + t, 19, 24, 19, 12 + t, 12, 7};
        for (int step = 0; step < 8; ++step)
            loop.Play(Instrument::Pluck, chord.root + 12 + pattern[step], at + step * 0.5, 0.5,
                      0.08f, step % 2 ? -0.4f : 0.4f, 0.3f);
        loop.Play(Instrument::Bass, chord.root, at, 1.8, 0.3f, 0.0f);
        loop.Play(Instrument::Bass, chord.root + 12, at + 2, 1.8, 0.2f, 0.0f);
        Pads(loop, chord, at, 3.8, 0.035f, 0.1f);
    }
    // A'
    Melody(loop, Theme3, 64, Instrument::Marimba, 0.36f, 0.2f);
    Melody(loop, Theme3, 64, Instrument::Pluck, 0.2f, -0.1f, 0.35f, -12);
    const Chord a2[] = {D3, AoverCSharp, Bm7b, FSharpM7, Gmaj7, DoverFSharp, Em7b, A7};
    for (int bar = 0; bar < 8; ++bar) {
        const Chord& chord = a2[bar];
        const double at = 64 + bar * 4;
        for (double beat : {0.0, 1.5, 3.0})
            for (int midi : Voicing(chord))
                loop.Play(Instrument::EPiano, midi - 12, at + beat, beat == 3.0 ? 0.9 : 1.3,
                          beat == 0.0 ? 0.1f : 0.07f, -0.25f, 0.3f);
        loop.Play(Instrument::Bass, BassNote(chord), at, 1.4, 0.3f, 0.0f);
        loop.Play(Instrument::Bass, chord.root + 7, at + 1.5, 1.4, 0.22f, 0.0f);
        loop.Play(Instrument::Bass, chord.root, at + 3, 0.9, 0.22f, 0.0f);
        Pads(loop, chord, at, 3.7, 0.03f, 0.1f);
    }
    // C
    Melody(loop, Bridge3, 96, Instrument::Pluck, 0.42f, 0.15f, 0.55f);
    const Chord c[] = {Em7b, FSharpM7, G3, A7};
    for (int bar = 0; bar < 4; ++bar) {
        const Chord& chord = c[bar];
        const double at = 96 + bar * 4;
        const int t = Third(chord);
        for (int beat = 0; beat < 4; ++beat)
            for (int midi : Voicing(chord))
                loop.Play(Instrument::EPiano, midi - 12, at + beat, 0.9, 0.075f, -0.25f, 0.3f);
        const int walk[] = {0, t, 7, chord.seventh ? chord.seventh : 9};
        for (int step = 0; step < 4; ++step)
            loop.Play(Instrument::Bass, chord.root + walk[step], at + step, 0.95, 0.27f, 0.0f);
        Pads(loop, chord, at, 3.8, 0.04f, 0.1f);
    }
    return loop.Finish(0.3f, TrackRms);
}

} // namespace Music
