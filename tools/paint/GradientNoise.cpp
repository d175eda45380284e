#include "tools/paint/GradientNoise.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <random>

namespace {

double Fade(double t) {
    return t * t * t * (t * (t * 6 - 15) + 10);
}

double Lerp(double a, double b, double t) {
    return a + (b - a) * t;
}

} // namespace

namespace Paint {

GradientNoise::GradientNoise(std::uint32_t seed) {
    std::array<int, 256> values{};
    std::iota(values.begin(), values.end(), 0);
    std::mt19937 engine(seed);
    // A hand-rolled Fisher-Yates shuffle: std::shuffle's use of the engine is not the same
    // on every standard library, and the pictures must not change between machines.
    for (int i = 255; i > 0; --i)
        std::swap(values[i], values[engine() % static_cast<unsigned>(i + 1)]);
    for (int i = 0; i < 512; ++i)
        permutation[i] = values[i & 255];
}

double GradientNoise::Gradient(int hash, double x, double y) const {
    switch (hash & 7) {
    case 0:
        return x + y;
    case 1:
        return x - y;
    case 2:
        return -x + y;
    case 3:
        return -x - y;
    case 4:
        return x;
    case 5:
        return -x;
    case 6:
        return y;
    default:
        return -y;
    }
}

double GradientNoise::At(double x, double y) const {
    const double floorX = std::floor(x);
    const double floorY = std::floor(y);
    const int cellX = static_cast<int>(floorX) & 255;
    const int cellY = static_cast<int>(floorY) & 255;
    const double fx = x - floorX;
    const double fy = y - floorY;
    const double u = Fade(fx);
    const double v = Fade(fy);
    const int a = permutation[cellX] + cellY;
    const int b = permutation[cellX + 1] + cellY;
    const double bottom =
        Lerp(Gradient(permutation[a], fx, fy), Gradient(permutation[b], fx - 1, fy), u);
    const double top = Lerp(Gradient(permutation[a + 1], fx, fy - 1),
                            Gradient(permutation[b + 1], fx - 1, fy - 1), u);
    return Lerp(bottom, top, v);
}

double GradientNoise::Fractal(double x, double y, int octaves) const {
    double sum = 0;
    double amplitude = 1;
    double norm = 0;
    for (int octave = 0; octave < octaves; ++octave) {
        sum += At(x, y) * amplitude;
        norm += amplitude;
        amplitude *= 0.5;
        x = x * 2 + 17.3;
        y = y * 2 + 5.9;
    }
    return sum / norm;
}

} // namespace Paint
