#include "tools/paint/Pixels.h"

#include "tools/paint/Colours.h"
#include "tools/paint/ValueNoise.h"

namespace Paint {

namespace {
int scale = 1;
}

int Scale() {
    return scale;
}

void SetScale(int value) {
    scale = value;
}

QImage Picture(QSize size, QImage::Format format) {
    QImage image(size * scale, format);
    image.setDevicePixelRatio(scale);
    return image;
}

QSize DesignSize(const QImage& image) {
    return image.deviceIndependentSize().toSize();
}

QRect DesignRect(const QImage& image) {
    return QRect(QPoint(0, 0), DesignSize(image));
}

QImage Cut(const QImage& image, const QRect& rect) {
    QImage part = image.copy(QRect(rect.topLeft() * scale, rect.size() * scale));
    part.setDevicePixelRatio(scale);
    return part;
}

QImage Stretched(const QImage& image, QSize size) {
    QImage stretched = image.scaled(size * scale);
    stretched.setDevicePixelRatio(scale);
    return stretched;
}

QImage Blank(int width, int height) {
    QImage image = Picture(QSize(width, height), QImage::Format_RGB32);
    image.fill(Qt::black);
    return image;
}

QImage Canvas(QSize size) {
    QImage image = Picture(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void Fill(QImage& image, const std::function<QColor(double x, double y)>& colourAt) {
    // At a larger scale the design pixels are visited first in the order of scale 1, so
    // that what a painter settles on its first visit of a place (a random colour per cell)
    // is what it settles on at scale 1.
    if (scale > 1)
        for (int y = 0; y < image.height() / scale; ++y)
            for (int x = 0; x < image.width() / scale; ++x)
                colourAt(x, y);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = colourAt(Design(x), Design(y)).rgb();
    }
}

void Apply(QImage& image, const std::function<QColor(double x, double y, const QColor&)>& change) {
    if (scale > 1)
        for (int y = 0; y < image.height() / scale; ++y)
            for (int x = 0; x < image.width() / scale; ++x)
                change(x, y, image.pixelColor(x * scale, y * scale));
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = change(Design(x), Design(y), QColor(line[x])).rgb();
    }
}

void Weather(QImage& image, unsigned seed, double strength) {
    const ValueNoise noise(seed);
    Apply(image, [&](double x, double y, const QColor& c) {
        const double blotch = noise.Fractal(x / 90.0, y / 90.0, 5) - 0.5;
        const double grain = noise.At(x * 0.7, y * 0.7) - 0.5;
        return Shade(c, 1.0 + strength * (blotch * 0.9 + grain * 0.25));
    });
}

void Smooth(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

QImage Keyed(const QImage& argb) {
    const QImage source = argb.convertToFormat(QImage::Format_ARGB32);
    QImage result(source.size(), QImage::Format_RGB888);
    result.setDevicePixelRatio(source.devicePixelRatio());
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
    result.setDevicePixelRatio(argb.devicePixelRatio());
    result.fill(background);
    QPainter painter(&result);
    painter.drawImage(0, 0, argb);
    return result;
}

} // namespace Paint
