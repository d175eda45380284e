#pragma once
// Small painting helpers shared by the motifs: colour arithmetic and per-pixel fills.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <functional>

namespace Paint {

// a blended towards b by t (0..1).
QColor Mix(const QColor& a, const QColor& b, double t);

// The colour with every channel multiplied by factor (brighter above 1).
QColor Scale(const QColor& colour, double factor);

// The colour with the given alpha (0..1).
QColor Alpha(const QColor& colour, double alpha);

// 0 below low, 1 above high, a smooth S-curve between.
double SmoothStep(double low, double high, double x);

// A new picture of that size in 32-bit RGB.
QImage Blank(int width, int height);

// Sets every pixel from a function of its position.
void Fill(QImage& image, const std::function<QColor(int x, int y)>& colourAt);

// Changes every pixel through a function of its position and present colour.
void Apply(QImage& image, const std::function<QColor(int x, int y, const QColor&)>& change);

// Gently modulates the brightness with large soft blotches and fine grain, so that no
// region of a picture stays perfectly even.
void Weather(QImage& image, unsigned seed, double strength);

// A painter with antialiasing on.
void Smooth(QPainter& painter);

} // namespace Paint
