#pragma once
// Seeded smooth value noise and its fractal sums: the source of every natural-looking
// texture; the same seed always gives the same picture.

#include <cstdint>

namespace Paint {

class ValueNoise {
public:
    explicit ValueNoise(std::uint32_t seed);

    // Smooth noise in 0..1 with features about one unit apart.
    double At(double x, double y) const;

    // As At, but the lattice repeats every periodX by periodY units (a period below 1: never),
    // so a picture built from it tiles without seams.
    double Periodic(double x, double y, int periodX, int periodY) const;

    // Sum of octaves, each twice as fine and half as strong; still in 0..1.
    double Fractal(double x, double y, int octaves) const;

    // Ridged sum (sharp crests), in 0..1: veins, waves, mountain ridges.
    double Ridged(double x, double y, int octaves) const;

    // Uncorrelated noise in 0..1 at one lattice point: specks and per-pixel grain.
    double Lattice(int x, int y) const;

private:
    // Octaves of At, each shaped by `shape`, shifted by (shiftX, shiftY) times its number.
    double Octaves(double x, double y, int octaves, double shiftX, double shiftY,
                   double (*shape)(double)) const;

    std::uint32_t seed_;
};

} // namespace Paint
