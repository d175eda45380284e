#include "tools/artgen/BrassPlate.h"

#include "tools/paint/Carving.h"
#include "tools/paint/Colours.h"
#include "tools/paint/GradientNoise.h"

#include <QPainter>

#include <cmath>

const QColor BrassPlate::Top(246, 226, 176);
const QColor BrassPlate::Middle(232, 204, 142);
const QColor BrassPlate::Bottom(208, 172, 102);

void BrassPlate::Paint(QImage& image, const QRect& area) {
    const Paint::GradientNoise brushing(36);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const double t = double(y - area.top()) / std::max(1, area.height() - 1);
        const QColor base =
            t < 0.5 ? Paint::Mix(Top, Middle, t * 2) : Paint::Mix(Middle, Bottom, (t - 0.5) * 2);
        for (int x = area.left(); x <= area.right(); ++x) {
            // Fine streaks along the plate, as left by brushing the metal.
            const double streak = brushing.Fractal(x * 0.01, y * 0.9, 2);
            // The ends lie a little deeper in shadow than the middle.
            const double fromCentre = std::abs(x - area.center().x()) / (area.width() / 2.0);
            const double factor = 1.0 + 0.035 * streak - 0.06 * fromCentre * fromCentre;
            image.setPixel(x, y, Paint::Shade(base, factor).rgb());
        }
    }
    // The plate's own bevel: a bright upper edge and a darker lower one.
    for (int x = area.left(); x <= area.right(); ++x) {
        image.setPixel(x, area.top(), Paint::Shade(Top, 1.05).rgb());
        image.setPixel(x, area.bottom(), Paint::Shade(Bottom, 0.82).rgb());
    }
    for (int y = area.top(); y <= area.bottom(); ++y) {
        image.setPixel(area.left(), y,
                       Paint::Shade(QColor(image.pixel(area.left(), y)), 1.04).rgb());
        image.setPixel(area.right(), y,
                       Paint::Shade(QColor(image.pixel(area.right(), y)), 0.85).rgb());
    }

    // The rim it is set into: lit on the top and left, in shadow on the bottom and right.
    const QRect rim = area.adjusted(-2, -2, 2, 2);
    for (int x = rim.left(); x <= rim.right(); ++x) {
        image.setPixel(x, rim.top(), Paint::Shade(Paint::Brass, 0.55).rgb());
        image.setPixel(x, rim.top() + 1, Paint::Shade(Paint::Brass, 0.8).rgb());
        image.setPixel(x, rim.bottom() - 1, Paint::Shade(Paint::Brass, 1.1).rgb());
        image.setPixel(x, rim.bottom(), Paint::Shade(Paint::Brass, 0.9).rgb());
    }
    for (int y = rim.top() + 1; y < rim.bottom(); ++y) {
        image.setPixel(rim.left(), y, Paint::Shade(Paint::Brass, 0.55).rgb());
        image.setPixel(rim.left() + 1, y, Paint::Shade(Paint::Brass, 0.8).rgb());
        image.setPixel(rim.right() - 1, y, Paint::Shade(Paint::Brass, 1.1).rgb());
        image.setPixel(rim.right(), y, Paint::Shade(Paint::Brass, 0.9).rgb());
    }

    // A screw at each end holds the plate.
    QPainter painter(&image);
    const double middle = area.top() + area.height() / 2.0;
    Paint::Screw(painter, QPointF(area.left() + 8.5, middle), 3.0);
    Paint::Screw(painter, QPointF(area.right() - 7.5, middle), 3.0);
}
