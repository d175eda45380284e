// Fractal motifs: spirals at the edge of the Mandelbrot set, a Julia set coloured by its
// orbits and the basins of Newton's method.

#include "Motifs.h"
#include "tools/paint/Colours.h"
#include "tools/paint/Palette.h"
#include "tools/paint/Pixels.h"

#include <algorithm>
#include <cmath>
#include <complex>

namespace Motifs {

namespace {

// Renders with 2 x 2 samples per device pixel so that the fine filaments stay smooth.
template <typename Shader> QImage Supersampled(int width, int height, Shader shade) {
    QImage image = Paint::Blank(width, height);
    const double offsets[2] = {0.25, 0.75};
    Paint::Fill(image, [&](double x, double y) {
        double r = 0, g = 0, b = 0;
        for (double oy : offsets) {
            for (double ox : offsets) {
                // Sub-samples around the centre of the device pixel, as fine as it is.
                const QColor c = shade(x + 0.5 + (ox - 0.5) / Paint::Scale(),
                                       y + 0.5 + (oy - 0.5) / Paint::Scale());
                r += c.red();
                g += c.green();
                b += c.blue();
            }
        }
        return QColor(static_cast<int>(r / 4), static_cast<int>(g / 4), static_cast<int>(b / 4));
    });
    return image;
}

} // namespace

QImage MandelbrotSpirals() {
    const int width = 666;
    const int height = 500;
    // Deep in the valley of double spirals, where the boundary fills the whole frame.
    const std::complex<double> centre(-0.7436438870, 0.13188);
    const double span = 0.0005;
    const double cycle = 1.5;
    const Paint::Palette palette{
        {0.00, QColor(10, 20, 80)},    {0.14, QColor(30, 110, 200)}, {0.26, QColor(120, 220, 240)},
        {0.34, QColor(250, 250, 220)}, {0.44, QColor(250, 190, 40)}, {0.58, QColor(220, 70, 30)},
        {0.72, QColor(140, 20, 90)},   {0.86, QColor(60, 20, 120)},  {1.00, QColor(10, 20, 80)}};
    const int limit = 3000;
    return Supersampled(width, height, [&](double px, double py) {
        const std::complex<double> c =
            centre + std::complex<double>((px - width / 2.0) * span / width,
                                          (py - height / 2.0) * span / width);
        std::complex<double> z = 0;
        int n = 0;
        double trap = 1e9;
        while (n < limit && std::norm(z) < 1e6) {
            z = z * z + c;
            trap = std::min(trap, std::abs(z.real() * z.imag()));
            ++n;
        }
        if (n == limit)
            return Paint::Mix(QColor(20, 10, 40), QColor(240, 200, 120),
                              std::clamp(1.0 - std::sqrt(trap) * 4, 0.0, 1.0));
        const double smooth = n + 1 - std::log2(std::log(std::abs(z)));
        // Colour cycles by the logarithm of the escape time, so the deep filaments stay calm;
        // faint contour rings give the smooth bays between them a texture of their own.
        const QColor colour = palette.Cyclic(std::log(smooth) * cycle);
        return Paint::Shade(colour, 0.86 + 0.14 * std::cos(smooth * 2 * M_PI / 3));
    });
}

QImage JuliaLace() {
    const int width = 600;
    const int height = 500;
    const std::complex<double> c(-0.8, 0.156);
    const std::complex<double> centre(0, 0);
    const double span = 1.6;
    const Paint::Palette outer{{0.0, QColor(10, 30, 40)},     {0.18, QColor(20, 120, 110)},
                               {0.32, QColor(140, 220, 150)}, {0.42, QColor(250, 240, 170)},
                               {0.55, QColor(240, 150, 40)},  {0.7, QColor(190, 40, 90)},
                               {0.85, QColor(70, 20, 100)},   {1.0, QColor(10, 30, 40)}};
    const Paint::Palette inner{{0.0, QColor(255, 240, 190)},
                               {0.3, QColor(250, 150, 60)},
                               {0.6, QColor(40, 140, 120)},
                               {1.0, QColor(15, 30, 60)}};
    const int limit = 600;
    return Supersampled(width, height, [&](double px, double py) {
        std::complex<double> z = centre + std::complex<double>((px - width / 2.0) * span / width,
                                                               (py - height / 2.0) * span / width);
        int n = 0;
        double trap = 1e9;
        while (n < limit && std::norm(z) < 1e4) {
            z = z * z + c;
            // Distance to a ring: gives the lace of rings inside and around the set.
            trap = std::min(trap, std::abs(std::abs(z) - 0.6));
            ++n;
        }
        if (n == limit)
            return inner.At(std::pow(trap * 3, 0.5));
        const double smooth = n + 1 - std::log2(std::log(std::abs(z)));
        const QColor base = outer.Cyclic(std::log(smooth) * 1.4);
        const QColor ringed = Paint::Shade(base, 0.86 + 0.14 * std::cos(smooth * 2 * M_PI / 3));
        return Paint::Mix(ringed, QColor(255, 245, 220), std::max(0.0, 0.4 - trap * 20));
    });
}

QImage NewtonStar() {
    const int size = 500;
    const int degree = 5;
    const Paint::Palette hues[degree] = {
        {{0, QColor(255, 230, 120)}, {0.5, QColor(230, 120, 20)}, {1, QColor(60, 20, 10)}},
        {{0, QColor(255, 170, 190)}, {0.5, QColor(200, 30, 80)}, {1, QColor(50, 5, 30)}},
        {{0, QColor(190, 240, 255)}, {0.5, QColor(30, 120, 210)}, {1, QColor(5, 20, 60)}},
        {{0, QColor(210, 255, 190)}, {0.5, QColor(40, 160, 70)}, {1, QColor(5, 45, 20)}},
        {{0, QColor(230, 200, 255)}, {0.5, QColor(120, 60, 200)}, {1, QColor(30, 10, 60)}}};
    std::complex<double> roots[degree];
    for (int k = 0; k < degree; ++k)
        roots[k] = std::polar(1.0, 2 * M_PI * k / degree);
    const double span = 2.6;
    return Supersampled(size, size, [&](double px, double py) {
        // A slight twist makes the basins spiral instead of meeting in straight spokes.
        std::complex<double> z((px - size / 2.0) * span / size, (py - size / 2.0) * span / size);
        const std::complex<double> relax(1.0, 0.25);
        for (int n = 0; n < 120; ++n) {
            const std::complex<double> p = std::pow(z, degree) - 1.0;
            const std::complex<double> d = std::pow(z, degree - 1) * static_cast<double>(degree);
            if (std::abs(d) < 1e-12)
                break;
            z -= relax * p / d;
            for (int k = 0; k < degree; ++k) {
                const double distance = std::abs(z - roots[k]);
                if (distance < 1e-3) {
                    const double smooth = n + std::log(1e-3 / distance) / std::log(8.0);
                    const double t = std::fmod(smooth / 9.0, 1.0);
                    return hues[k].At(0.1 + 0.8 * std::abs(std::sin(smooth * 0.7)) * (1 - t * 0.3));
                }
            }
        }
        return QColor(10, 10, 20);
    });
}

} // namespace Motifs
