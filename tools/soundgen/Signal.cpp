#include "Signal.h"

#include <algorithm>
#include <cmath>

Signal::Signal(std::size_t frames) : left(frames, 0.0f), right(frames, 0.0f) {}

void Signal::Resize(std::size_t frames) {
    left.resize(frames, 0.0f);
    right.resize(frames, 0.0f);
}

void Signal::AddMono(const std::vector<float>& mono, long at, float gain, float pan, bool wrap) {
    // Equal-power panning.
    const float angle = (pan + 1.0f) * 0.25f * float(M_PI);
    const float gainLeft = gain * std::cos(angle) * float(M_SQRT2);
    const float gainRight = gain * std::sin(angle) * float(M_SQRT2);
    const long frames = long(Frames());
    for (std::size_t k = 0; k < mono.size(); ++k) {
        long index = at + long(k);
        if (wrap)
            index = ((index % frames) + frames) % frames;
        else if (index < 0 || index >= frames)
            continue;
        left[std::size_t(index)] += mono[k] * gainLeft;
        right[std::size_t(index)] += mono[k] * gainRight;
    }
}

void Signal::Add(const Signal& other, float gain) {
    const std::size_t n = std::min(Frames(), other.Frames());
    for (std::size_t k = 0; k < n; ++k) {
        left[k] += other.left[k] * gain;
        right[k] += other.right[k] * gain;
    }
}

Signal Signal::Slice(std::size_t from, std::size_t frames) const {
    Signal slice(frames);
    for (std::size_t k = 0; k < frames && from + k < Frames(); ++k) {
        slice.left[k] = left[from + k];
        slice.right[k] = right[from + k];
    }
    return slice;
}

double Signal::PeakDbfs() const {
    float peak = 1e-9f;
    for (std::size_t k = 0; k < Frames(); ++k)
        peak = std::max({peak, std::fabs(left[k]), std::fabs(right[k])});
    return 20.0 * std::log10(peak);
}

double Signal::RmsDbfs() const {
    double sum = 0.0;
    for (std::size_t k = 0; k < Frames(); ++k)
        sum += double(left[k]) * left[k] + double(right[k]) * right[k];
    return 10.0 * std::log10(std::max(sum / (2.0 * std::max<std::size_t>(Frames(), 1)), 1e-18));
}

void Signal::Scale(float gain) {
    for (std::size_t k = 0; k < Frames(); ++k) {
        left[k] *= gain;
        right[k] *= gain;
    }
}

void Signal::NormaliseRms(double dbfs) {
    Scale(float(std::pow(10.0, (dbfs - RmsDbfs()) / 20.0)));
}

void Signal::NormalisePeak(double dbfs) {
    Scale(float(std::pow(10.0, (dbfs - PeakDbfs()) / 20.0)));
}

void Signal::FadeOut(double seconds) {
    const std::size_t n = std::min(Frames(), std::size_t(seconds * SampleRate));
    for (std::size_t k = 0; k < n; ++k) {
        const std::size_t index = Frames() - n + k;
        const float g = 0.5f * (1.0f + std::cos(float(M_PI) * float(k + 1) / float(n)));
        left[index] *= g;
        right[index] *= g;
    }
}
