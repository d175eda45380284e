#pragma once
// Paints horizontal wood grain between a dark and a light tone, the same every run:
// the grain comes from a seeded value-noise field, not from a random generator.

#include <QColor>
#include <QImage>
#include <QRect>
#include <cstdint>

// The dialog's palette, shared by every picture the tool paints.
namespace Wood {
inline const QColor DeepShadow(42, 25, 12);
inline const QColor Dark(74, 46, 23);
inline const QColor Mid(122, 79, 42);
inline const QColor Light(168, 119, 63);
inline const QColor Highlight(221, 167, 106);
inline const QColor TextLight(240, 225, 179);
inline const QColor TextDark(114, 72, 27);
inline const QColor Brass(201, 162, 74);

// `a` moved towards `b` by `t` (0..1).
QColor Mix(const QColor& a, const QColor& b, double t);
} // namespace Wood

class WoodGrain {
public:
    WoodGrain(const QColor& dark, const QColor& light, std::uint32_t seed);

    // Fills `area` of `image` with grain; `scale` stretches the rings (1 = planks of a
    // dialog, smaller for the miniatures of the illustrations).
    void Fill(QImage& image, const QRect& area, double scale = 1.0) const;

    // Value noise in 0..1, smooth between whole coordinates.
    double Noise(double x, double y) const;

private:
    double Lattice(int x, int y) const;

    QColor dark;
    QColor light;
    std::uint32_t seed;
};
