#include "tools/paint/ValueNoise.h"

#include <cmath>

namespace Paint {

namespace {

double Fade(double t) {
    return t * t * t * (t * (t * 6 - 15) + 10);
}

// A lattice index folded into 0..period-1; a period below 1 leaves it as it is.
int Wrap(int value, int period) {
    return period < 1 ? value : ((value % period) + period) % period;
}

} // namespace

ValueNoise::ValueNoise(std::uint32_t seed) : seed_(seed) {}

double ValueNoise::Lattice(int x, int y) const {
    std::uint32_t h = seed_ * 0x9E3779B1u;
    h ^= static_cast<std::uint32_t>(x) * 0x85EBCA77u;
    h = (h << 13) | (h >> 19);
    h ^= static_cast<std::uint32_t>(y) * 0xC2B2AE3Du;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return (h & 0xFFFFFFu) / static_cast<double>(0xFFFFFFu);
}

double ValueNoise::At(double x, double y) const {
    return Periodic(x, y, 0, 0);
}

double ValueNoise::Periodic(double x, double y, int periodX, int periodY) const {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int ix = static_cast<int>(fx);
    const int iy = static_cast<int>(fy);
    const double tx = Fade(x - fx);
    const double ty = Fade(y - fy);
    const int x0 = Wrap(ix, periodX);
    const int x1 = Wrap(ix + 1, periodX);
    const int y0 = Wrap(iy, periodY);
    const int y1 = Wrap(iy + 1, periodY);
    const double a = Lattice(x0, y0);
    const double b = Lattice(x1, y0);
    const double c = Lattice(x0, y1);
    const double d = Lattice(x1, y1);
    const double top = a + (b - a) * tx;
    const double bottom = c + (d - c) * tx;
    return top + (bottom - top) * ty;
}

double ValueNoise::Octaves(double x, double y, int octaves, double shiftX, double shiftY,
                           double (*shape)(double)) const {
    double sum = 0;
    double weight = 1;
    double total = 0;
    for (int i = 0; i < octaves; ++i) {
        // Rotating each octave hides the lattice's grid.
        const double rx = x * 0.8 - y * 0.6 + i * shiftX;
        const double ry = x * 0.6 + y * 0.8 + i * shiftY;
        sum += shape(At(rx, ry)) * weight;
        total += weight;
        weight *= 0.5;
        x *= 2.03;
        y *= 2.03;
    }
    return sum / total;
}

double ValueNoise::Fractal(double x, double y, int octaves) const {
    return Octaves(x, y, octaves, 17.3, -9.1, [](double value) { return value; });
}

double ValueNoise::Ridged(double x, double y, int octaves) const {
    return Octaves(x, y, octaves, 31.7, 5.3,
                   [](double value) { return 1.0 - std::abs(value * 2 - 1); });
}

} // namespace Paint
