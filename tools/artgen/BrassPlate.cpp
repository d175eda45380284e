#include "tools/artgen/BrassPlate.h"

#include "tools/artgen/GradientNoise.h"
#include "tools/artgen/Palette.h"

#include <QPainter>

#include <cmath>

const QColor BrassPlate::Top(246, 226, 176);
const QColor BrassPlate::Middle(232, 204, 142);
const QColor BrassPlate::Bottom(208, 172, 102);

void BrassPlate::Paint(QImage& image, const QRect& area) {
    const GradientNoise brushing(36);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const double t = double(y - area.top()) / std::max(1, area.height() - 1);
        const QColor base = t < 0.5 ? Palette::Mix(Top, Middle, t * 2)
                                    : Palette::Mix(Middle, Bottom, (t - 0.5) * 2);
        for (int x = area.left(); x <= area.right(); ++x) {
            // Fine streaks along the plate, as left by brushing the metal.
            const double streak = brushing.Fractal(x * 0.01, y * 0.9, 2);
            // The ends lie a little deeper in shadow than the middle.
            const double fromCentre = std::abs(x - area.center().x()) / (area.width() / 2.0);
            const double factor = 1.0 + 0.035 * streak - 0.06 * fromCentre * fromCentre;
            image.setPixel(x, y, Palette::Shade(base, factor).rgb());
        }
    }
    // The plate's own bevel: a bright upper edge and a darker lower one.
    for (int x = area.left(); x <= area.right(); ++x) {
        image.setPixel(x, area.top(), Palette::Shade(Top, 1.05).rgb());
        image.setPixel(x, area.bottom(), Palette::Shade(Bottom, 0.82).rgb());
    }
    for (int y = area.top(); y <= area.bottom(); ++y) {
        image.setPixel(area.left(), y,
                       Palette::Shade(QColor(image.pixel(area.left(), y)), 1.04).rgb());
        image.setPixel(area.right(), y,
                       Palette::Shade(QColor(image.pixel(area.right(), y)), 0.85).rgb());
    }

    // The rim it is set into: lit on the top and left, in shadow on the bottom and right.
    const QRect rim = area.adjusted(-2, -2, 2, 2);
    for (int x = rim.left(); x <= rim.right(); ++x) {
        image.setPixel(x, rim.top(), Palette::Shade(Palette::Brass, 0.55).rgb());
        image.setPixel(x, rim.top() + 1, Palette::Shade(Palette::Brass, 0.8).rgb());
        image.setPixel(x, rim.bottom() - 1, Palette::Shade(Palette::Brass, 1.1).rgb());
        image.setPixel(x, rim.bottom(), Palette::Shade(Palette::Brass, 0.9).rgb());
    }
    for (int y = rim.top() + 1; y < rim.bottom(); ++y) {
        image.setPixel(rim.left(), y, Palette::Shade(Palette::Brass, 0.55).rgb());
        image.setPixel(rim.left() + 1, y, Palette::Shade(Palette::Brass, 0.8).rgb());
        image.setPixel(rim.right() - 1, y, Palette::Shade(Palette::Brass, 1.1).rgb());
        image.setPixel(rim.right(), y, Palette::Shade(Palette::Brass, 0.9).rgb());
    }

    const double middle = area.top() + area.height() / 2.0;
    Screw(image, QPointF(area.left() + 8.5, middle), 0.5);
    Screw(image, QPointF(area.right() - 7.5, middle), -0.3);
}

void BrassPlate::Screw(QImage& image, QPointF centre, double angle) {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // A sunk round head: darker rim, domed face lit from the top-left, and its slot.
    painter.setPen(Qt::NoPen);
    painter.setBrush(Palette::Shade(Bottom, 0.62));
    painter.drawEllipse(centre, 3.6, 3.6);
    QRadialGradient dome(centre - QPointF(1.0, 1.0), 3.6);
    dome.setColorAt(0, Palette::Shade(Top, 1.04));
    dome.setColorAt(1, Palette::Shade(Bottom, 0.85));
    painter.setBrush(dome);
    painter.drawEllipse(centre, 2.8, 2.8);
    painter.translate(centre);
    painter.rotate(angle * 57.2958);
    painter.setPen(QPen(Palette::Shade(Bottom, 0.45), 1.1));
    painter.drawLine(QPointF(-2.2, 0), QPointF(2.2, 0));
}
