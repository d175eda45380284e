#include "Scenery.h"

#include "Dice.h"
#include "tools/paint/Colours.h"
#include "tools/paint/Pixels.h"

#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace Scenery {

void Sky(QImage& image, int horizon, const Paint::Palette& palette, unsigned seed, double coverage,
         const QColor& cloudLight, const QColor& cloudShadow) {
    const Paint::ValueNoise noise(seed);
    const Paint::ValueNoise detail(seed + 7);
    const double threshold = 0.62 - coverage * 0.3;
    for (int row = 0; row < std::min(horizon * Paint::Scale(), image.height()); ++row) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
        const double y = Paint::Design(row);
        const double t = y / horizon;
        // Clouds flatten and shrink towards the horizon, as they would in perspective.
        const double squash = 1.0 + t * 2.5;
        for (int column = 0; column < image.width(); ++column) {
            const double x = Paint::Design(column);
            // The sky's colour drifts across the picture too, and thin veils of high cloud
            // streak it, so no stretch of it is ever plain.
            const double drift = (detail.Fractal(x / 260.0, y / 120.0, 3) - 0.5) * 0.3;
            QColor colour = palette.At(t + drift + (detail.At(x / 50.0, y / 50.0) - 0.5) * 0.06);
            const double veil = std::pow(detail.Ridged(x / 120.0 + y / 400.0, y / 9.0, 4), 3);
            colour = Paint::Mix(colour, cloudLight, veil * 0.45 * (1 - t * 0.5));
            const double nx = x / 150.0;
            const double ny = y * squash / 70.0;
            // Clouds gather in banks, leaving clear gaps between them.
            const double bank =
                threshold + 0.16 * (detail.Fractal(x / 320.0, y / 160.0 + 4, 3) - 0.5);
            const double density = noise.Fractal(nx, ny, 6);
            const double cloud = Paint::SmoothStep(bank, bank + 0.16, density);
            if (cloud > 0) {
                // Light from above: the underside of a cloud (density rising below) is darker.
                const double below = noise.Fractal(nx, ny + 0.08, 6);
                const double shade = std::clamp((below - density) * 9 + 0.5, 0.0, 1.0);
                QColor body = Paint::Mix(cloudLight, cloudShadow, shade);
                body = Paint::Mix(body, colour, t * 0.35);
                colour = Paint::Mix(colour, body, cloud * 0.95);
            }
            line[column] = colour.rgb();
        }
    }
}

double Ridge(const Paint::ValueNoise& noise, double x, double base, double amplitude,
             double scale) {
    return base - amplitude * noise.Fractal(x / scale, 3.7, 5);
}

void Conifer(QPainter& painter, QPointF base, double height, const QColor& colour) {
    const double width = height * 0.42;
    painter.setPen(Qt::NoPen);
    painter.setBrush(Paint::Shade(QColor(90, 60, 40), colour.valueF() + 0.3));
    painter.drawRect(
        QRectF(base.x() - width * 0.06, base.y() - height * 0.2, width * 0.12, height * 0.2));
    const int tiers = 4;
    for (int i = 0; i < tiers; ++i) {
        const double bottom = base.y() - height * 0.12 - i * height * 0.2;
        const double top = bottom - height * 0.42;
        const double half = width * 0.5 * (1.0 - i * 0.2);
        QPolygonF dark{QPointF(base.x(), top), QPointF(base.x() + half, bottom),
                       QPointF(base.x() - half, bottom)};
        painter.setBrush(Paint::Shade(colour, 0.75));
        painter.drawPolygon(dark);
        QPolygonF lit{QPointF(base.x(), top), QPointF(base.x() + half * 0.1, bottom),
                      QPointF(base.x() - half, bottom)};
        painter.setBrush(Paint::Shade(colour, 1.15));
        painter.drawPolygon(lit);
    }
}

void Broadleaf(QPainter& painter, QPointF base, double height, const QColor& colour) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(85, 60, 42));
    painter.drawRect(
        QRectF(base.x() - height * 0.05, base.y() - height * 0.45, height * 0.1, height * 0.45));
    const QPointF crown(base.x(), base.y() - height * 0.62);
    const double radius = height * 0.36;
    const int clumps = 9 + static_cast<int>(height / 8);
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < clumps; ++i) {
            const double angle = Dice::Uniform(0, 2 * M_PI);
            const double distance = Dice::Uniform(0, radius * 0.75);
            const QPointF at =
                crown + QPointF(std::cos(angle) * distance, std::sin(angle) * distance * 0.85);
            const double r = radius * Dice::Uniform(0.3, 0.5) * (pass == 0 ? 1.0 : 0.6);
            // Clumps on the upper left catch the light.
            const double light =
                0.7 + 0.5 * ((crown.x() - at.x()) + (crown.y() - at.y())) / (2 * radius) +
                pass * 0.25;
            painter.setBrush(Dice::Vary(Paint::Shade(colour, light), 0.02, 0.08, 0.06));
            const QPointF shift = pass == 0 ? QPointF() : QPointF(-r * 0.4, -r * 0.4);
            painter.drawEllipse(at + shift, r, r * 0.9);
        }
    }
}

void Flower(QPainter& painter, QPointF centre, double radius, const QColor& petals,
            const QColor& heart) {
    painter.setPen(Qt::NoPen);
    const int count = Dice::Between(5, 8);
    const double turn = Dice::Uniform(0, 2 * M_PI);
    for (int i = 0; i < count; ++i) {
        const double angle = turn + i * 2 * M_PI / count;
        painter.save();
        painter.translate(centre);
        painter.rotate(angle * 180 / M_PI);
        painter.setBrush(Dice::Vary(petals, 0.01, 0.05, 0.08));
        painter.drawEllipse(QPointF(radius * 0.55, 0), radius * 0.55, radius * 0.28);
        painter.restore();
    }
    painter.setBrush(heart);
    painter.drawEllipse(centre, radius * 0.28, radius * 0.28);
    painter.setBrush(Paint::Shade(heart, 1.3));
    painter.drawEllipse(centre - QPointF(radius * 0.08, radius * 0.08), radius * 0.1, radius * 0.1);
}

void Reflect(QImage& image, int waterline, unsigned seed, const QColor& tint, double tintShare) {
    const QImage above = image.copy();
    const Paint::ValueNoise water(seed);
    const int width = image.width();
    const int s = Paint::Scale();
    for (int row = (waterline + 1) * s; row < image.height(); ++row) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
        const double y = Paint::Design(row);
        const double depth = y - waterline;
        for (int column = 0; column < width; ++column) {
            const double x = Paint::Design(column);
            const double ripple =
                (water.Fractal(x / 40.0, y / (3.0 + depth / 30), 4) - 0.5) * (4 + depth * 0.08);
            const int sx = std::clamp(Paint::DeviceIndex(x + ripple), 0, width - 1);
            const int sy = std::clamp(Paint::DeviceIndex(waterline - depth * 0.9 + ripple), 0,
                                      (waterline + 1) * s - 1);
            const QColor mirrored = Paint::Shade(QColor(above.pixel(sx, sy)), 0.78);
            const double streak = std::pow(water.Ridged(x / 60.0, y / 2.5, 3), 6);
            line[column] = Paint::Mix(mirrored, tint, tintShare + 0.25 * streak).rgb();
        }
    }
}

void Stars(QPainter& painter, const QRectF& region, int count) {
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF at(Dice::Uniform(region.left(), region.right()),
                         Dice::Uniform(region.top(), region.bottom()));
        const double size = std::pow(Dice::Uniform(0, 1), 4) * 1.8 + 0.35;
        QColor tint = QColor::fromHsvF(static_cast<float>(Dice::Uniform(0.0, 1.0)),
                                       static_cast<float>(Dice::Uniform(0.0, 0.35)), 1.0f);
        painter.setBrush(Paint::Alpha(tint, Dice::Uniform(0.5, 1.0)));
        painter.drawEllipse(at, size, size);
        if (size > 1.6) {
            painter.setBrush(Paint::Alpha(tint, 0.12));
            painter.drawEllipse(at, size * 2, size * 2);
        }
    }
}

} // namespace Scenery
