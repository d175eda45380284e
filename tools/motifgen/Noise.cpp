#include "Noise.h"

#include <cmath>

Noise::Noise(std::uint32_t seed) : seed_(seed) {}

double Noise::Lattice(int x, int y) const {
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

double Noise::At(double x, double y) const {
    const double fx = std::floor(x);
    const double fy = std::floor(y);
    const int ix = static_cast<int>(fx);
    const int iy = static_cast<int>(fy);
    double tx = x - fx;
    double ty = y - fy;
    tx = tx * tx * tx * (tx * (tx * 6 - 15) + 10);
    ty = ty * ty * ty * (ty * (ty * 6 - 15) + 10);
    const double a = Lattice(ix, iy);
    const double b = Lattice(ix + 1, iy);
    const double c = Lattice(ix, iy + 1);
    const double d = Lattice(ix + 1, iy + 1);
    const double top = a + (b - a) * tx;
    const double bottom = c + (d - c) * tx;
    return top + (bottom - top) * ty;
}

double Noise::Fractal(double x, double y, int octaves) const {
    double sum = 0;
    double weight = 1;
    double total = 0;
    for (int i = 0; i < octaves; ++i) {
        // Rotating each octave hides the lattice's grid.
        const double rx = x * 0.8 - y * 0.6 + i * 17.3;
        const double ry = x * 0.6 + y * 0.8 - i * 9.1;
        sum += At(rx, ry) * weight;
        total += weight;
        weight *= 0.5;
        x *= 2.03;
        y *= 2.03;
    }
    return sum / total;
}

double Noise::Ridged(double x, double y, int octaves) const {
    double sum = 0;
    double weight = 1;
    double total = 0;
    for (int i = 0; i < octaves; ++i) {
        const double rx = x * 0.8 - y * 0.6 + i * 31.7;
        const double ry = x * 0.6 + y * 0.8 + i * 5.3;
        sum += (1.0 - std::abs(At(rx, ry) * 2 - 1)) * weight;
        total += weight;
        weight *= 0.5;
        x *= 2.03;
        y *= 2.03;
    }
    return sum / total;
}
