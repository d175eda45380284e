#pragma once
// Seeded two-dimensional gradient noise and its fractal sum, the raw material of every
// ring wood and felt texture; the same seed always gives the same picture.

#include <array>
#include <cstdint>

namespace Paint {

class GradientNoise {
public:
    explicit GradientNoise(std::uint32_t seed);

    // Smooth noise in about -1 .. 1, one feature per unit.
    double At(double x, double y) const;

    // Sum of octaves, each at twice the frequency and half the amplitude; about -1 .. 1.
    double Fractal(double x, double y, int octaves) const;

private:
    double Gradient(int hash, double x, double y) const;

    std::array<int, 512> permutation{};
};

} // namespace Paint
