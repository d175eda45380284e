#include "tools/artgen/BrassPlate.h"

#include "tools/paint/Pixels.h"

#include "tools/artgen/WindowChrome.h"

#include "tools/paint/Carving.h"
#include "tools/paint/Colours.h"
#include "tools/paint/GradientNoise.h"

#include <QPainter>

#include <cmath>

const QColor BrassPlate::Top(246, 226, 176);
const QColor BrassPlate::Middle(232, 204, 142);
const QColor BrassPlate::Bottom(208, 172, 102);

void BrassPlate::Set(QImage& image, int x, int y, QRgb colour) {
    const int s = Paint::Scale();
    for (int dy = 0; dy < s; ++dy)
        for (int dx = 0; dx < s; ++dx)
            image.setPixel(x * s + dx, y * s + dy, colour);
}

void BrassPlate::Paint(QImage& image, const QRect& area) {
    const Paint::GradientNoise brushing(36);
    const int s = Paint::Scale();
    for (int row = area.top() * s; row < (area.bottom() + 1) * s; ++row) {
        const double y = Paint::Design(row);
        const double t = (y - area.top()) / std::max(1, area.height() - 1);
        const QColor base =
            t < 0.5 ? Paint::Mix(Top, Middle, t * 2) : Paint::Mix(Middle, Bottom, (t - 0.5) * 2);
        for (int column = area.left() * s; column < (area.right() + 1) * s; ++column) {
            const double x = Paint::Design(column);
            // Fine streaks along the plate, as left by brushing the metal.
            const double streak = brushing.Fractal(x * 0.01, y * 0.9, 2);
            // The ends lie a little deeper in shadow than the middle.
            const double fromCentre = std::abs(x - area.center().x()) / (area.width() / 2.0);
            const double factor = 1.0 + 0.035 * streak - 0.06 * fromCentre * fromCentre;
            image.setPixel(column, row, Paint::Shade(base, factor).rgb());
        }
    }
    // The plate's own bevel: a bright upper edge and a darker lower one.
    for (int x = area.left(); x <= area.right(); ++x) {
        Set(image, x, area.top(), Paint::Shade(Top, 1.05).rgb());
        Set(image, x, area.bottom(), Paint::Shade(Bottom, 0.82).rgb());
    }
    for (int y = area.top(); y <= area.bottom(); ++y) {
        WindowChrome::Scale(image, area.left(), y, 1.04);
        WindowChrome::Scale(image, area.right(), y, 0.85);
    }

    // The rim it is set into: lit on the top and left, in shadow on the bottom and right.
    const QRect rim = area.adjusted(-2, -2, 2, 2);
    for (int x = rim.left(); x <= rim.right(); ++x) {
        Set(image, x, rim.top(), Paint::Shade(Paint::Brass, 0.55).rgb());
        Set(image, x, rim.top() + 1, Paint::Shade(Paint::Brass, 0.8).rgb());
        Set(image, x, rim.bottom() - 1, Paint::Shade(Paint::Brass, 1.1).rgb());
        Set(image, x, rim.bottom(), Paint::Shade(Paint::Brass, 0.9).rgb());
    }
    for (int y = rim.top() + 1; y < rim.bottom(); ++y) {
        Set(image, rim.left(), y, Paint::Shade(Paint::Brass, 0.55).rgb());
        Set(image, rim.left() + 1, y, Paint::Shade(Paint::Brass, 0.8).rgb());
        Set(image, rim.right() - 1, y, Paint::Shade(Paint::Brass, 1.1).rgb());
        Set(image, rim.right(), y, Paint::Shade(Paint::Brass, 0.9).rgb());
    }

    // A screw at each end holds the plate.
    QPainter painter(&image);
    const double middle = area.top() + area.height() / 2.0;
    Paint::Screw(painter, QPointF(area.left() + 8.5, middle), 3.0);
    Paint::Screw(painter, QPointF(area.right() - 7.5, middle), 3.0);
}
