#pragma once
// A stereo sound being made: 44.1 kHz float samples, with the measurements the generator
// prints and the level adjustments it makes.

#include <cstddef>
#include <vector>

constexpr int SampleRate = 44100;

class Signal {
public:
    explicit Signal(std::size_t frames = 0);

    std::size_t Frames() const { return left.size(); }
    double Seconds() const { return double(Frames()) / SampleRate; }
    void Resize(std::size_t frames);

    // Adds a mono sound at frame `at` with the given gain and pan (-1 left .. 1 right),
    // wrapping around the end when `wrap` is set (a loop's notes that ring past its end
    // sound at its start).
    void AddMono(const std::vector<float>& mono, long at, float gain, float pan = 0.0f,
                 bool wrap = false);
    void Add(const Signal& other, float gain = 1.0f);
    // The frames [from, from + frames) as a signal of their own.
    Signal Slice(std::size_t from, std::size_t frames) const;

    double PeakDbfs() const;
    double RmsDbfs() const;
    void Scale(float gain);
    // Scales so that the RMS level is `dbfs`.
    void NormaliseRms(double dbfs);
    // Scales so that the peak is `dbfs`.
    void NormalisePeak(double dbfs);
    // Fades the last `seconds` out to silence (cues end in silence, never in a cut).
    void FadeOut(double seconds);

    std::vector<float> left;
    std::vector<float> right;
};
