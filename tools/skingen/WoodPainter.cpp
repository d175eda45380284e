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

QImage Grain(QSize size, const QColor& dark, const QColor& light, int seed, bool tileable) {
    const double tau = 2 * std::numbers::pi;
    const int w = size.width();
    const int h = size.height();
    // Whole wave counts make the texture wrap around at both edges.
    const double wavesY = tileable ? std::max(1, h / 9) : h / 9.0;
    const double wavesX = tileable ? std::max(1, w / 60) : w / 60.0;
    QImage image(size, QImage::Format_RGB888);
    for (int y = 0; y < h; ++y) {
        const double rowStreak = Noise(0, y, seed) * 0.18;
        for (int x = 0; x < w; ++x) {
            const double u = double(x) / w;
            const double v = double(y) / h;
            const double bend = 0.55 * std::sin(tau * wavesX * u + seed) +
                                0.2 * std::sin(tau * 2 * wavesX * u + seed * 1.7);
            const double ring = 0.5 + 0.5 * std::sin(tau * (wavesY * v + bend));
            const double sharp = ring * ring * ring;
            const double t = 0.15 + 0.6 * sharp + rowStreak + Noise(x, y, seed) * 0.12;
            image.setPixelColor(x, y, Mix(light, dark, t));
        }
    }
    return image;
}

void FillWood(QImage& target, const QPainterPath& path, const QColor& dark, const QColor& light,
              int seed, bool shadeInverted) {
    const QRectF bounds = path.boundingRect();
    const QImage grain = Grain(target.size(), dark, light, seed, false);
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
