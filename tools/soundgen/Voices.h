#pragma once
// The instruments of the generator, each a mono sound of one note: plucked strings,
// an FM electric piano, soft additive pads and basses, a marimba and a warm FM horn, and
// the noise, filters and struck bodies the cues are made of. Every sound ends in silence.

#include <cstdint>
#include <vector>

namespace Voices {

using Sound = std::vector<float>;

double Frequency(int midi);

// A plucked string (Karplus-Strong): brightness 0..1 shapes the pluck, seed its noise.
Sound Pluck(double frequency, double seconds, float brightness, std::uint32_t seed);
// Two-operator FM piano: a bell-like onset that mellows while it decays.
Sound EPiano(double frequency, double seconds, float velocity);
// Slow additive pad of gently falling harmonics, slightly detuned against itself.
Sound Pad(double frequency, double seconds);
// A round bass: fundamental with a little of the next two harmonics.
Sound Bass(double frequency, double seconds);
// A struck wooden bar with the marimba's partials (1, 4, 10).
Sound Marimba(double frequency, double seconds);
// A horn: FM whose brightness follows its loudness, with a late vibrato.
Sound Horn(double frequency, double seconds);

// A struck body: partials at the given frequencies and amplitudes, each dying away with
// its own time constant (seconds); glide bends every partial by that factor over the
// sound (1 = steady).
struct Partial {
    double frequency;
    float amplitude;
    double decay;
};
Sound Struck(const std::vector<Partial>& partials, double seconds, double glide = 1.0);

// White noise, always the same for the same seed.
Sound Noise(double seconds, std::uint32_t seed);
// Second-order filters, in place; a band-pass whose centre moves from `from` to `to`.
void LowPass(Sound& sound, double cutoff, double q = 0.707);
void HighPass(Sound& sound, double cutoff, double q = 0.707);
void SweptBandPass(Sound& sound, double from, double to, double q);
// Multiplies by an attack-decay envelope: linear rise over `attack`, then exponential
// fall with time constant `decay`.
void Envelope(Sound& sound, double attack, double decay);

} // namespace Voices
