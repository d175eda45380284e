#pragma once
// Smooth value noise and its fractal sums: the source of every natural-looking texture.

#include <cstdint>

class Noise {
public:
    explicit Noise(std::uint32_t seed);

    // Smooth noise in 0..1 with features about one unit apart.
    double At(double x, double y) const;

    // Sum of octaves, each twice as fine and half as strong; still in 0..1.
    double Fractal(double x, double y, int octaves) const;

    // Ridged sum (sharp crests), in 0..1: veins, waves, mountain ridges.
    double Ridged(double x, double y, int octaves) const;

private:
    double Lattice(int x, int y) const;

    std::uint32_t seed_;
};
