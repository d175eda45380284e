#pragma once
// Wooden planks for windows and controls: growth rings running left to right, bent by
// seeded noise and streaked with fibres, between a dark and a light tone.

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QRect>
#include <QSize>
#include <cstdint>

namespace Paint {

class WoodGrain {
public:
    WoodGrain(const QColor& dark, const QColor& light, std::uint32_t seed);

    // A picture of `size` with about one growth ring every 13 pixels; it repeats
    // seamlessly in both directions, so it can be tiled.
    QImage Tile(QSize size) const;

    // Fills `area` of `image` with planks in the image's own coordinates, so neighbouring
    // areas continue each other's grain; `scale` stretches the rings (1 = the planks of a
    // dialog, smaller for miniatures).
    void Fill(QImage& image, const QRect& area, double scale = 1.0) const;

private:
    QColor dark;
    QColor light;
    std::uint32_t seed;
};

// Fills `path` on an ARGB canvas with a tile of grain and a soft light-top, dark-bottom
// shading (the reverse when `shadeInverted`, for a pressed look).
void FillWood(QImage& canvas, const QPainterPath& path, const QColor& dark, const QColor& light,
              std::uint32_t seed, bool shadeInverted = false);

} // namespace Paint
