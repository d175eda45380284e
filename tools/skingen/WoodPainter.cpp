#include "WoodPainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <cmath>
#include <numbers>

namespace WoodPainter {

namespace {

// Repeatable hash noise in [0, 1).
double Noise(int x, int y, int seed) {
    quint32 h = static_cast<quint32>(x) * 374761393u + static_cast<quint32>(y) * 668265263u +
                static_cast<quint32>(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xffffff) / double(0x1000000);
}

} // namespace

QColor Mix(const QColor& a, const QColor& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                            a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

namespace {

double Smooth(double t) {
    return t * t * (3 - 2 * t);
}

// Value noise on a lattice of `cellsX` x `cellsY` cells over the image that wraps around at
// the edges, so a texture built from it tiles without seams.
class WrappingNoise {
public:
    WrappingNoise(QSize size, int cellsX, int cellsY, int seed)
        : size(size), cellsX(std::max(1, cellsX)), cellsY(std::max(1, cellsY)), seed(seed) {}

    double At(int x, int y) const {
        const double gx = double(x) / size.width() * cellsX;
        const double gy = double(y) / size.height() * cellsY;
        const int x0 = int(std::floor(gx));
        const int y0 = int(std::floor(gy));
        const double fx = Smooth(gx - x0);
        const double fy = Smooth(gy - y0);
        const auto corner = [&](int cx, int cy) {
            return Noise(((cx % cellsX) + cellsX) % cellsX, ((cy % cellsY) + cellsY) % cellsY,
                         seed);
        };
        const double top = corner(x0, y0) + (corner(x0 + 1, y0) - corner(x0, y0)) * fx;
        const double bottom =
            corner(x0, y0 + 1) + (corner(x0 + 1, y0 + 1) - corner(x0, y0 + 1)) * fx;
        return top + (bottom - top) * fy;
    }

private:
    QSize size;
    int cellsX;
    int cellsY;
    int seed;
};

} // namespace

QImage Grain(QSize size, const QColor& dark, const QColor& light, int seed) {
    const double tau = 2 * std::numbers::pi;
    const int w = size.width();
    const int h = size.height();
    // Whole numbers of growth rings and noise cells make the texture wrap at both edges.
    const int rings = std::max(1, h / 13);
    const WrappingNoise bend(size, std::max(1, w / 70), std::max(1, h / 30), seed);
    const WrappingNoise wobble(size, std::max(1, w / 23), std::max(1, h / 12), seed + 1);
    const WrappingNoise fibres(size, std::max(1, w / 18), std::max(1, h), seed + 2);
    QImage image(size, QImage::Format_RGB888);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const double v = double(y) / h * rings + 0.9 * bend.At(x, y) + 0.15 * wobble.At(x, y);
            const double ring = 0.5 + 0.5 * std::sin(tau * v);
            const double sharp = std::pow(ring, 3.0);
            const double t = 0.18 + 0.42 * sharp + 0.28 * fibres.At(x, y) + 0.1 * Noise(x, y, seed);
            image.setPixelColor(x, y, Mix(light, dark, t));
        }
    }
    return image;
}

void FillWood(QImage& target, const QPainterPath& path, const QColor& dark, const QColor& light,
              int seed, bool shadeInverted) {
    const QRectF bounds = path.boundingRect();
    const QImage grain = Grain(target.size(), dark, light, seed);
    QPainter painter(&target);
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

QImage Keyed(const QImage& argb) {
    const QImage source = argb.convertToFormat(QImage::Format_ARGB32);
    QImage result(source.size(), QImage::Format_RGB888);
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            const QColor c = source.pixelColor(x, y);
            if (c.alpha() < 128) {
                result.setPixelColor(x, y, Key);
            } else {
                QColor opaque = c;
                opaque.setAlpha(255);
                // Never let an edge pixel end up exactly on the key colour.
                if (opaque == Key)
                    opaque = QColor(254, 0, 254);
                result.setPixelColor(x, y, opaque);
            }
        }
    }
    return result;
}

QImage Over(const QImage& argb, const QColor& background) {
    QImage result(argb.size(), QImage::Format_RGB888);
    result.fill(background);
    QPainter painter(&result);
    painter.drawImage(0, 0, argb);
    return result;
}

QImage Canvas(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

} // namespace WoodPainter
