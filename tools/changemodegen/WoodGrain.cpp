#include "WoodGrain.h"

#include <algorithm>
#include <cmath>

namespace Wood {

QColor Mix(const QColor& a, const QColor& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t));
}

} // namespace Wood

WoodGrain::WoodGrain(const QColor& dark, const QColor& light, std::uint32_t seed)
    : dark(dark), light(light), seed(seed) {}

double WoodGrain::Lattice(int x, int y) const {
    std::uint32_t h = seed ^ (static_cast<std::uint32_t>(x) * 374761393u) ^
                      (static_cast<std::uint32_t>(y) * 668265263u);
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xFFFFFF) / double(0xFFFFFF);
}

double WoodGrain::Noise(double x, double y) const {
    const int x0 = static_cast<int>(std::floor(x));
    const int y0 = static_cast<int>(std::floor(y));
    const double fx = x - x0;
    const double fy = y - y0;
    // Smoothstep keeps the field free of visible lattice creases.
    const double sx = fx * fx * (3 - 2 * fx);
    const double sy = fy * fy * (3 - 2 * fy);
    const double top = Lattice(x0, y0) + (Lattice(x0 + 1, y0) - Lattice(x0, y0)) * sx;
    const double bottom =
        Lattice(x0, y0 + 1) + (Lattice(x0 + 1, y0 + 1) - Lattice(x0, y0 + 1)) * sx;
    return top + (bottom - top) * sy;
}

void WoodGrain::Fill(QImage& image, const QRect& area, double scale) const {
    const QRect clipped = area.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            // Rings: stripes along x, bent by slow noise, with fine fibres on top.
            const double bend = 5.0 * Noise(x * 0.006 / scale, y * 0.035 / scale) +
                                1.2 * Noise(x * 0.03 / scale, y * 0.15 / scale);
            const double ring = 0.5 + 0.5 * std::sin((y / scale) * 0.55 + bend * 2.2);
            const double fibre = Noise(x * 0.25, y * 2.5) - 0.5;
            const double patch = Noise(x * 0.005 + 40, y * 0.025 + 40) - 0.5;
            const double t = 0.45 + 0.28 * ring * ring * ring + 0.16 * fibre + 0.32 * patch;
            line[x] = Wood::Mix(dark, light, t).rgb();
        }
    }
}
