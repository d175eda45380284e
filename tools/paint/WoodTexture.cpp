#include "tools/paint/WoodTexture.h"

#include "tools/paint/Colours.h"
#include "tools/paint/Pixels.h"

#include <algorithm>
#include <cmath>

namespace Paint {

WoodTexture::WoodTexture(std::uint32_t seed, QColor darkColor, QColor lightColor, double spacing)
    : noise(seed), dark(darkColor), light(lightColor), ringSpacing(spacing) {}

double WoodTexture::Tone(double u, double v) const {
    // Rings: the distance across the grain, bent slowly along it so the lines wander.
    const double warp = noise.Fractal(u * 0.0035, v * 0.012, 3) * 3.2;
    const double ring = v / ringSpacing + warp;
    const double phase = ring - std::floor(ring);
    // Latewood: a narrow darker band at the end of each ring, soft on one side.
    const double late = std::pow(phase, 6.0);
    // Fibres: long thin streaks along the grain.
    const double fibre = noise.Fractal(u * 0.015 + 40.0, v * 0.55, 3);
    // Pores: tiny dark flecks stretched along the grain.
    const double pore = noise.At(u * 0.35 + 91.0, v * 1.7);
    // Large blotches so a long board is not uniform.
    const double blotch = noise.Fractal(u * 0.0025 + 300.0, v * 0.006, 2);

    double tone = 0.55 + 0.18 * blotch + 0.13 * fibre - 0.32 * late;
    if (pore < -0.45)
        tone -= 0.08;
    return std::clamp(tone, 0.0, 1.0);
}

QColor WoodTexture::At(double u, double v) const {
    return Mix(dark, light, Tone(u, v));
}

QImage WoodTexture::Render(QSize size, bool grainAlongX) const {
    QImage image = Picture(size, QImage::Format_RGB32);
    for (int row = 0; row < image.height(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
        const double y = Design(row);
        for (int column = 0; column < image.width(); ++column) {
            const double x = Design(column);
            line[column] = (grainAlongX ? At(x, y) : At(y, x)).rgb();
        }
    }
    return image;
}

} // namespace Paint
