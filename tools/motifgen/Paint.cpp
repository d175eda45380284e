#include "Paint.h"

#include "Noise.h"

#include <algorithm>
#include <cmath>

namespace Paint {

namespace {
int Channel(double value) {
    return std::clamp(static_cast<int>(std::lround(value)), 0, 255);
}
} // namespace

QColor Mix(const QColor& a, const QColor& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return QColor(Channel(a.red() + (b.red() - a.red()) * t),
                  Channel(a.green() + (b.green() - a.green()) * t),
                  Channel(a.blue() + (b.blue() - a.blue()) * t),
                  Channel(a.alpha() + (b.alpha() - a.alpha()) * t));
}

QColor Scale(const QColor& colour, double factor) {
    return QColor(Channel(colour.red() * factor), Channel(colour.green() * factor),
                  Channel(colour.blue() * factor), colour.alpha());
}

QColor Alpha(const QColor& colour, double alpha) {
    QColor result = colour;
    result.setAlpha(Channel(alpha * 255));
    return result;
}

double SmoothStep(double low, double high, double x) {
    const double t = std::clamp((x - low) / (high - low), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

QImage Blank(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

void Fill(QImage& image, const std::function<QColor(int x, int y)>& colourAt) {
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = colourAt(x, y).rgb();
    }
}

void Apply(QImage& image, const std::function<QColor(int x, int y, const QColor&)>& change) {
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = change(x, y, QColor(line[x])).rgb();
    }
}

void Weather(QImage& image, unsigned seed, double strength) {
    const Noise noise(seed);
    Apply(image, [&](int x, int y, const QColor& c) {
        const double blotch = noise.Fractal(x / 90.0, y / 90.0, 5) - 0.5;
        const double grain = noise.At(x * 0.7, y * 0.7) - 0.5;
        return Scale(c, 1.0 + strength * (blotch * 0.9 + grain * 0.25));
    });
}

void Smooth(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

} // namespace Paint
