#pragma once
// Procedural ring wood for large boards: growth rings bent by noise with dark latewood,
// long fibres and fine pores, mapped onto a range between a dark and a light wood colour.

#include "tools/paint/GradientNoise.h"

#include <QColor>
#include <QImage>
#include <QSize>

#include <cstdint>

namespace Paint {

class WoodTexture {
public:
    // ringSpacing: pixels between two growth rings across the grain.
    WoodTexture(std::uint32_t seed, QColor dark, QColor light, double ringSpacing);

    // Brightness of the wood in 0 .. 1 at u along the grain and v across it.
    double Tone(double u, double v) const;

    // The colour at (u, v).
    QColor At(double u, double v) const;

    // A picture of the given size whose grain runs along x (horizontal) or along y.
    QImage Render(QSize size, bool grainAlongX) const;

private:
    GradientNoise noise;
    QColor dark;
    QColor light;
    double ringSpacing;
};

} // namespace Paint
