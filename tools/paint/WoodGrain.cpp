#include "tools/paint/WoodGrain.h"

#include "tools/paint/Colours.h"
#include "tools/paint/Pixels.h"
#include "tools/paint/ValueNoise.h"

#include <QLinearGradient>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace Paint {

WoodGrain::WoodGrain(const QColor& dark, const QColor& light, std::uint32_t seed)
    : dark(dark), light(light), seed(seed) {}

QImage WoodGrain::Tile(QSize size) const {
    const double tau = 2 * std::numbers::pi;
    const int w = std::max(1, size.width());
    const int h = std::max(1, size.height());
    // Whole numbers of growth rings and noise cells make the texture wrap at both edges.
    const int rings = std::max(1, h / 13);
    const ValueNoise noise(seed);
    const ValueNoise wobbleNoise(seed + 1);
    const ValueNoise fibreNoise(seed + 2);
    const ValueNoise speckNoise(seed + 3);
    const auto periodic = [w, h](const ValueNoise& field, double x, double y, int cellsX,
                                 int cellsY) {
        cellsX = std::max(1, cellsX);
        cellsY = std::max(1, cellsY);
        return field.Periodic(x / w * cellsX, y / h * cellsY, cellsX, cellsY);
    };
    // The specks are as fine as the screen's pixels; rings, bends and fibres keep their
    // size. Design coordinates below 0 wrap round to the far edge.
    const auto wrap = [](double v, int period) { return v < 0 ? v + period : v; };
    QImage image = Picture(size, QImage::Format_RGB888);
    for (int y = 0; y < image.height(); ++y) {
        const double dy = wrap(Design(y), h);
        for (int x = 0; x < image.width(); ++x) {
            const double dx = wrap(Design(x), w);
            const double bend = periodic(noise, dx, dy, w / 70, h / 30);
            const double wobble = periodic(wobbleNoise, dx, dy, w / 23, h / 12);
            const double fibres = periodic(fibreNoise, dx, dy, w / 18, h);
            const double v = dy / h * rings + 0.9 * bend + 0.15 * wobble;
            const double ring = 0.5 + 0.5 * std::sin(tau * v);
            const double sharp = std::pow(ring, 3.0);
            const double t = 0.18 + 0.42 * sharp + 0.28 * fibres + 0.1 * speckNoise.Lattice(x, y);
            image.setPixelColor(x, y, Mix(light, dark, t));
        }
    }
    return image;
}

void WoodGrain::Fill(QImage& image, const QRect& area, double scale) const {
    const ValueNoise noise(seed);
    const int s = Scale();
    const QRect device(area.topLeft() * s, area.size() * s);
    const QRect clipped = device.intersected(image.rect());
    for (int row = clipped.top(); row <= clipped.bottom(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
        const double y = Design(row);
        for (int column = clipped.left(); column <= clipped.right(); ++column) {
            const double x = Design(column);
            // Rings: stripes along x, bent by slow noise, with fine fibres on top.
            const double bend = 5.0 * noise.At(x * 0.006 / scale, y * 0.035 / scale) +
                                1.2 * noise.At(x * 0.03 / scale, y * 0.15 / scale);
            const double ring = 0.5 + 0.5 * std::sin((y / scale) * 0.55 + bend * 2.2);
            const double fibre = noise.At(x * 0.25, y * 2.5) - 0.5;
            const double patch = noise.At(x * 0.005 + 40, y * 0.025 + 40) - 0.5;
            const double t = 0.45 + 0.28 * ring * ring * ring + 0.16 * fibre + 0.32 * patch;
            line[column] = Mix(dark, light, t).rgb();
        }
    }
}

void FillWood(QImage& canvas, const QPainterPath& path, const QColor& dark, const QColor& light,
              std::uint32_t seed, bool shadeInverted) {
    const QRectF bounds = path.boundingRect();
    const QImage grain = WoodGrain(dark, light, seed).Tile(DesignSize(canvas));
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipPath(path);
    painter.drawImage(0, 0, grain);
    QLinearGradient shade(bounds.topLeft(), bounds.bottomLeft());
    const QColor lit(255, 240, 210, 60);
    const QColor dim(20, 10, 0, 70);
    shade.setColorAt(0, shadeInverted ? dim : lit);
    shade.setColorAt(0.45, QColor(0, 0, 0, 0));
    shade.setColorAt(1, shadeInverted ? lit : dim);
    painter.fillPath(path, shade);
}

} // namespace Paint
