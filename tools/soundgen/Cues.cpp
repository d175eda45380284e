#include "Cues.h"

#include "Reverb.h"
#include "Voices.h"

using namespace Voices;

namespace {

long At(double seconds) {
    return long(seconds * SampleRate);
}

// Every cue ends in a small room, then fades to silence and is brought to its level.
Signal Finish(Signal signal, float wet, double fade, double peakDbfs) {
    Reverb(0.35f, 0.5f, wet).Apply(signal);
    signal.FadeOut(fade);
    signal.NormalisePeak(peakDbfs);
    return signal;
}

} // namespace

namespace Cues {

Signal Start() {
    // C major arpeggio rising over two octaves on the piano, each note a little louder.
    Signal signal(std::size_t(1.15 * SampleRate));
    const int notes[] = {60, 64, 67, 72, 76};
    for (int k = 0; k < 5; ++k) {
        const double at = 0.085 * k;
        signal.AddMono(EPiano(Frequency(notes[k]), k == 4 ? 0.55 : 0.22, 0.55f), At(at),
                       0.5f + 0.1f * k, -0.3f + 0.15f * k);
        signal.AddMono(Marimba(Frequency(notes[k] + 12), 0.3), At(at), 0.18f, 0.3f);
    }
    return Finish(signal, 0.25f, 0.35, -2.0);
}

Signal Drop() {
    // A low hollow thump of a wooden body set down, with a short muffled contact noise.
    Signal signal(std::size_t(0.32 * SampleRate));
    signal.AddMono(
        Struck({{118.0, 1.0f, 0.045}, {262.0, 0.45f, 0.025}, {455.0, 0.2f, 0.012}}, 0.3, 0.93), 0,
        1.0f);
    Sound contact = Noise(0.03, 7);
    LowPass(contact, 900.0);
    Envelope(contact, 0.001, 0.006);
    signal.AddMono(contact, 0, 0.6f);
    return Finish(signal, 0.12f, 0.1, -2.0);
}

Signal Take() {
    // A light, softly struck wooden tone that bends upwards as the piece is lifted, with a
    // breath of air rising behind it.
    Signal signal(std::size_t(0.26 * SampleRate));
    signal.AddMono(Struck({{640.0, 1.0f, 0.035}, {1530.0, 0.3f, 0.015}}, 0.2, 1.12), 0, 0.8f);
    Sound air = Noise(0.12, 11);
    SweptBandPass(air, 900.0, 2200.0, 2.0);
    LowPass(air, 3000.0);
    Envelope(air, 0.05, 0.03);
    signal.AddMono(air, 0, 0.5f);
    return Finish(signal, 0.12f, 0.08, -2.0);
}

Signal Fit() {
    // A crisp click of a piece snapping in, with a short bright chime above it.
    Signal signal(std::size_t(0.42 * SampleRate));
    signal.AddMono(Struck({{2350.0, 1.0f, 0.008}, {3900.0, 0.5f, 0.005}}, 0.05), 0, 1.0f);
    signal.AddMono(EPiano(Frequency(88), 0.12, 0.6f), At(0.012), 0.35f, 0.2f);
    signal.AddMono(EPiano(Frequency(95), 0.12, 0.6f), At(0.05), 0.25f, -0.2f);
    return Finish(signal, 0.2f, 0.15, -2.0);
}

Signal Solved() {
    // Horns: a quick rising call G-C-E-G, a short E, then a held C major chord.
    Signal signal(std::size_t(1.85 * SampleRate));
    struct Step {
        double at;
        double length;
        int midi;
        float gain;
    };
    const Step steps[] = {{0.00, 0.12, 67, 0.55f}, {0.14, 0.12, 72, 0.6f},  {0.28, 0.12, 76, 0.65f},
                          {0.42, 0.30, 79, 0.75f}, {0.78, 0.12, 76, 0.6f},  {0.92, 0.62, 79, 0.8f},
                          {0.92, 0.62, 76, 0.45f}, {0.92, 0.62, 72, 0.45f}, {0.92, 0.62, 60, 0.4f}};
    for (const Step& step : steps)
        signal.AddMono(Horn(Frequency(step.midi), step.length), At(step.at), step.gain,
                       step.midi > 70 ? 0.15f : -0.15f);
    signal.AddMono(Marimba(Frequency(84), 0.5), At(0.92), 0.25f, 0.3f);
    return Finish(signal, 0.28f, 0.3, -2.0);
}

Signal Turn() {
    // The swish of a card flipped over, ending with the light slap of its landing.
    Signal signal(std::size_t(0.2 * SampleRate));
    Sound swish = Noise(0.085, 23);
    SweptBandPass(swish, 1400.0, 4200.0, 1.4);
    LowPass(swish, 6500.0);
    Envelope(swish, 0.05, 0.012);
    signal.AddMono(swish, 0, 1.0f, -0.2f);
    Sound slap = Noise(0.04, 29);
    HighPass(slap, 700.0);
    LowPass(slap, 3500.0);
    Envelope(slap, 0.0008, 0.006);
    signal.AddMono(slap, At(0.075), 0.8f, 0.2f);
    return Finish(signal, 0.1f, 0.06, -2.0);
}

Signal NoPair() {
    // Two soft low notes falling a major third, round as a wooden flute.
    Signal signal(std::size_t(0.58 * SampleRate));
    const int notes[] = {52, 48};
    for (int k = 0; k < 2; ++k) {
        Sound note = Struck({{Frequency(notes[k]), 1.0f, 0.25},
                             {2 * Frequency(notes[k]), 0.3f, 0.12},
                             {3 * Frequency(notes[k]), 0.1f, 0.06}},
                            0.24);
        signal.AddMono(note, At(0.2 * k), 1.0f);
        signal.AddMono(Bass(Frequency(notes[k] - 12), 0.14), At(0.2 * k), 0.5f);
    }
    return Finish(signal, 0.12f, 0.12, -2.0);
}

} // namespace Cues
