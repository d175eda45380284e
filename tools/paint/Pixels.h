#pragma once
// Whole-picture operations of the painters: blank canvases, per-pixel fills, weathering,
// and the conversion of anti-aliased drawings into opaque 24-bit bitmaps.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QSize>
#include <functional>

namespace Paint {

// A new picture of that size in 32-bit RGB, black.
QImage Blank(int width, int height);

// A blank, fully transparent ARGB canvas of the given size.
QImage Canvas(QSize size);

// Sets every pixel from a function of its position.
void Fill(QImage& image, const std::function<QColor(int x, int y)>& colourAt);

// Changes every pixel through a function of its position and present colour.
void Apply(QImage& image, const std::function<QColor(int x, int y, const QColor&)>& change);

// Gently modulates the brightness with large soft blotches and fine grain, so that no
// region of a picture stays perfectly even.
void Weather(QImage& image, unsigned seed, double strength);

// A painter with antialiasing and smooth scaling on.
void Smooth(QPainter& painter);

// Anti-aliased ARGB drawing -> opaque 24-bit image: mostly transparent pixels become the
// key colour, the rest lose their alpha. Keeps the key colour out of the edge pixels.
QImage Keyed(const QImage& argb);

// Composes an ARGB drawing over a solid colour into an opaque 24-bit image.
QImage Over(const QImage& argb, const QColor& background);

} // namespace Paint
