#include "Reverb.h"

#include <array>
#include <vector>

namespace {

constexpr std::array<int, 8> CombLengths{1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
constexpr std::array<int, 4> AllpassLengths{556, 441, 341, 225};
constexpr int Spread = 23;

class Comb {
public:
    Comb(int length, float feedback, float damping)
        : buffer(std::size_t(length), 0.0f), feedback(feedback), damping(damping) {}
    float Process(float in) {
        const float out = buffer[index];
        low = out * (1.0f - damping) + low * damping;
        buffer[index] = in + low * feedback;
        index = (index + 1) % buffer.size();
        return out;
    }

private:
    std::vector<float> buffer;
    std::size_t index = 0;
    float feedback;
    float damping;
    float low = 0.0f;
};

class Allpass {
public:
    explicit Allpass(int length) : buffer(std::size_t(length), 0.0f) {}
    float Process(float in) {
        const float delayed = buffer[index];
        buffer[index] = in + delayed * 0.5f;
        index = (index + 1) % buffer.size();
        return delayed - in;
    }

private:
    std::vector<float> buffer;
    std::size_t index = 0;
};

std::vector<float> Room(const std::vector<float>& in, int spread, float feedback, float damping) {
    std::vector<Comb> combs;
    for (int length : CombLengths)
        combs.emplace_back(length + spread, feedback, damping);
    std::vector<Allpass> allpasses;
    for (int length : AllpassLengths)
        allpasses.emplace_back(length + spread);
    std::vector<float> out(in.size());
    for (std::size_t k = 0; k < in.size(); ++k) {
        const float x = in[k] * 0.015f;
        float sum = 0.0f;
        for (Comb& comb : combs)
            sum += comb.Process(x);
        for (Allpass& allpass : allpasses)
            sum = allpass.Process(sum);
        out[k] = sum;
    }
    return out;
}

} // namespace

Reverb::Reverb(float room, float damping, float wet)
    : feedback(0.7f + 0.28f * room), damping(0.4f * damping), wet(wet) {}

void Reverb::Apply(Signal& signal) const {
    std::vector<float> mid(signal.Frames());
    for (std::size_t k = 0; k < mid.size(); ++k)
        mid[k] = 0.5f * (signal.left[k] + signal.right[k]);
    const std::vector<float> wetLeft = Room(mid, 0, feedback, damping);
    const std::vector<float> wetRight = Room(mid, Spread, feedback, damping);
    for (std::size_t k = 0; k < mid.size(); ++k) {
        signal.left[k] += wet * wetLeft[k];
        signal.right[k] += wet * wetRight[k];
    }
}
