#include "Voices.h"

#include "Signal.h"

#include <algorithm>
#include <cmath>

namespace Voices {

namespace {

constexpr double TwoPi = 2.0 * M_PI;

std::size_t FramesOf(double seconds) {
    return std::size_t(std::max(0.0, seconds) * SampleRate);
}

// A raised-cosine fade over the last `release` seconds.
void Release(Sound& sound, double release) {
    const std::size_t n = std::min(sound.size(), FramesOf(release));
    for (std::size_t k = 0; k < n; ++k)
        sound[sound.size() - n + k] *=
            float(0.5 * (1.0 + std::cos(M_PI * double(k + 1) / double(n))));
}

// Short linear rise at the start, so that no sound starts with a step.
void Onset(Sound& sound, double seconds) {
    const std::size_t n = std::min(sound.size(), std::max<std::size_t>(1, FramesOf(seconds)));
    for (std::size_t k = 0; k < n; ++k)
        sound[k] *= float(double(k) / double(n));
}

struct Biquad {
    double b0, b1, b2, a1, a2;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    float Process(float in) {
        const double y = b0 * in + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = in;
        y2 = y1;
        y1 = y;
        return float(y);
    }
};

enum class FilterType { Low, High, Band };

Biquad Design(FilterType type, double frequency, double q) {
    const double w = TwoPi * std::clamp(frequency, 10.0, SampleRate * 0.45) / SampleRate;
    const double alpha = std::sin(w) / (2.0 * q);
    const double c = std::cos(w);
    const double a0 = 1.0 + alpha;
    Biquad f{};
    switch (type) {
    case FilterType::Low:
        f = {(1 - c) / 2 / a0, (1 - c) / a0, (1 - c) / 2 / a0, -2 * c / a0, (1 - alpha) / a0};
        break;
    case FilterType::High:
        f = {(1 + c) / 2 / a0, -(1 + c) / a0, (1 + c) / 2 / a0, -2 * c / a0, (1 - alpha) / a0};
        break;
    case FilterType::Band:
        f = {alpha / a0, 0.0, -alpha / a0, -2 * c / a0, (1 - alpha) / a0};
        break;
    }
    return f;
}

void Filter(Sound& sound, FilterType type, double frequency, double q) {
    Biquad f = Design(type, frequency, q);
    for (float& x : sound)
        x = f.Process(x);
}

} // namespace

double Frequency(int midi) {
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

Sound Noise(double seconds, std::uint32_t seed) {
    Sound sound(FramesOf(seconds));
    std::uint32_t state = seed * 2654435761u + 12345u;
    for (float& x : sound) {
        state = state * 1664525u + 1013904223u;
        x = float(double(state >> 8) / double(1u << 24) * 2.0 - 1.0);
    }
    return sound;
}

void LowPass(Sound& sound, double cutoff, double q) {
    Filter(sound, FilterType::Low, cutoff, q);
}

void HighPass(Sound& sound, double cutoff, double q) {
    Filter(sound, FilterType::High, cutoff, q);
}

void SweptBandPass(Sound& sound, double from, double to, double q) {
    // Redesigned every 32 samples: smooth enough for a sweep of a few tens of milliseconds.
    Biquad f = Design(FilterType::Band, from, q);
    for (std::size_t k = 0; k < sound.size(); ++k) {
        if (k % 32 == 0) {
            const double t = double(k) / double(std::max<std::size_t>(sound.size() - 1, 1));
            Biquad next = Design(FilterType::Band, from * std::pow(to / from, t), q);
            next.x1 = f.x1, next.x2 = f.x2, next.y1 = f.y1, next.y2 = f.y2;
            f = next;
        }
        sound[k] = f.Process(sound[k]);
    }
}

void Envelope(Sound& sound, double attack, double decay) {
    const double attackFrames = std::max(1.0, attack * SampleRate);
    for (std::size_t k = 0; k < sound.size(); ++k) {
        const double t = double(k);
        const double rise = std::min(1.0, t / attackFrames);
        const double fall =
            t < attackFrames ? 1.0 : std::exp(-(t - attackFrames) / (decay * SampleRate));
        sound[k] *= float(rise * fall);
    }
}

Sound Pluck(double frequency, double seconds, float brightness, std::uint32_t seed) {
    const double ring = 0.6;
    Sound out(FramesOf(seconds + ring));
    const double delay = SampleRate / frequency - 0.5; // the averaging adds half a sample
    const std::size_t period = std::size_t(delay) + 2;
    // The pluck: one period of noise, softened for a warm string.
    Sound excitation = Noise(double(period) / SampleRate, seed);
    LowPass(excitation, 800.0 + 7000.0 * brightness);
    // Strings die away over a few seconds, the low ones slower.
    const double t60 = 1.2 + 2.5 * std::clamp(220.0 / frequency, 0.2, 1.6);
    const double loss = std::pow(10.0, -3.0 * (delay / SampleRate) / t60);
    auto at = [&out](double position) {
        if (position < 0)
            return 0.0;
        const std::size_t i = std::size_t(position);
        const double frac = position - double(i);
        const double a = out[i];
        const double b = i + 1 < out.size() ? out[i + 1] : 0.0;
        return a + (b - a) * frac;
    };
    for (std::size_t k = 0; k < out.size(); ++k) {
        const double pos = double(k) - delay;
        const double fed = pos >= 1.0 ? 0.5 * (at(pos) + at(pos - 1.0)) * loss : 0.0;
        out[k] = float((k < excitation.size() ? excitation[k] : 0.0) + fed);
    }
    Onset(out, 0.002);
    Release(out, ring);
    return out;
}

Sound EPiano(double frequency, double seconds, float velocity) {
    const double release = 0.35;
    Sound out(FramesOf(seconds + release));
    const double decay = 0.9 + 1.2 * std::clamp(262.0 / frequency, 0.3, 2.0);
    for (std::size_t k = 0; k < out.size(); ++k) {
        const double t = double(k) / SampleRate;
        const double index = (0.4 + 1.6 * velocity) * std::exp(-t / 0.35) + 0.25;
        const double modulator = std::sin(TwoPi * frequency * t);
        const double tine =
            0.08 * velocity * std::exp(-t / 0.03) * std::sin(TwoPi * frequency * 7.0 * t);
        const double amplitude = std::exp(-t / decay);
        out[k] = float(amplitude * (std::sin(TwoPi * frequency * t + index * modulator) + tine));
    }
    Onset(out, 0.004);
    Release(out, release);
    return out;
}

Sound Pad(double frequency, double seconds) {
    const double attack = 0.35;
    const double release = 0.7;
    Sound out(FramesOf(seconds + release));
    const double detune = std::pow(2.0, 4.0 / 1200.0);
    for (std::size_t k = 0; k < out.size(); ++k) {
        const double t = double(k) / SampleRate;
        double sum = 0.0;
        for (int n = 1; n <= 6; ++n) {
            const double amplitude = 1.0 / std::pow(double(n), 1.6);
            sum += amplitude * (std::sin(TwoPi * frequency * n * t * detune) +
                                std::sin(TwoPi * frequency * n * t / detune + n));
        }
        out[k] = float(0.5 * sum * std::min(1.0, t / attack));
    }
    Release(out, release);
    return out;
}

Sound Bass(double frequency, double seconds) {
    const double release = 0.12;
    Sound out(FramesOf(seconds + release));
    for (std::size_t k = 0; k < out.size(); ++k) {
        const double t = double(k) / SampleRate;
        const double amplitude = std::exp(-t / 0.9);
        out[k] = float(amplitude * (std::sin(TwoPi * frequency * t) +
                                    0.25 * std::sin(TwoPi * 2 * frequency * t) +
                                    0.08 * std::sin(TwoPi * 3 * frequency * t)));
    }
    Onset(out, 0.008);
    Release(out, release);
    return out;
}

Sound Marimba(double frequency, double seconds) {
    const double body = std::clamp(0.55 * std::pow(440.0 / frequency, 0.4), 0.2, 1.2);
    Sound out = Struck({{frequency, 1.0f, body},
                        {frequency * 3.99, 0.3f, body * 0.22},
                        {frequency * 9.9, 0.08f, body * 0.07}},
                       std::max(seconds, body * 3.0));
    Release(out, 0.1);
    return out;
}

Sound Horn(double frequency, double seconds) {
    const double release = 0.16;
    Sound out(FramesOf(seconds + release));
    double phase = 0.0;
    for (std::size_t k = 0; k < out.size(); ++k) {
        const double t = double(k) / SampleRate;
        const double envelope = std::min(1.0, t / 0.045) * (0.75 + 0.25 * std::exp(-t / 0.15));
        const double vibrato =
            1.0 + 0.004 * std::min(1.0, std::max(0.0, t - 0.2) / 0.2) * std::sin(TwoPi * 5.2 * t);
        phase += TwoPi * frequency * vibrato / SampleRate;
        const double index = 0.4 + 1.5 * envelope;
        out[k] = float(envelope * std::sin(phase + index * std::sin(phase)));
    }
    LowPass(out, 2600.0);
    Release(out, release);
    return out;
}

Sound Struck(const std::vector<Partial>& partials, double seconds, double glide) {
    Sound out(FramesOf(seconds));
    std::vector<double> phases(partials.size(), 0.0);
    for (std::size_t k = 0; k < out.size(); ++k) {
        const double t = double(k) / SampleRate;
        const double bend = std::pow(glide, t / std::max(seconds, 1e-3));
        double sum = 0.0;
        for (std::size_t p = 0; p < partials.size(); ++p) {
            phases[p] += TwoPi * partials[p].frequency * bend / SampleRate;
            sum += partials[p].amplitude * std::exp(-t / partials[p].decay) * std::sin(phases[p]);
        }
        out[k] = float(sum);
    }
    Onset(out, 0.0015);
    Release(out, std::min(0.05, seconds * 0.3));
    return out;
}

} // namespace Voices
