#pragma once
// Whole-picture operations of the painters: the screen scale a picture is painted for,
// blank canvases, per-pixel fills, weathering, and the conversion of anti-aliased drawings
// into opaque 24-bit bitmaps.
//
// Every picture is designed in pixels of a 100 % screen and painted at the scale set with
// SetScale (1, 2 or 3): a canvas then holds scale x scale device pixels per pixel and
// carries that device pixel ratio, so a QPainter on it draws the same geometry finer, and
// the per-pixel painters sample their noise and grain at the centre of each device pixel
// (DesignX/DesignY), never by enlarging the picture of scale 1.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QSize>
#include <cmath>
#include <functional>

namespace Paint {

// The scale pictures are painted at now: 1 (the default), 2 or 3.
int Scale();
void SetScale(int scale);

// The design coordinate of the centre of device pixel `i` at the present scale; i itself
// at scale 1.
inline double Design(int i) {
    return (i + 0.5) / Scale() - 0.5;
}

// The design pixel that design coordinate `v` lies in, for patterns drawn pixel by pixel
// (a weave, a line every third pixel): at scale 2 each covers 2 x 2 device pixels.
inline int DesignPixel(double v) {
    return static_cast<int>(std::floor(v + 0.5));
}

// The index of the device pixel holding design coordinate `v` (truncated, as an index into
// a picture); v itself at scale 1.
inline int DeviceIndex(double v) {
    return Scale() == 1 ? static_cast<int>(v) : static_cast<int>((v + 0.5) * Scale());
}

// A new picture of `size` design pixels in `format` at the present scale (device pixel
// ratio set), not initialised.
QImage Picture(QSize size, QImage::Format format);

// The size of `image` in design pixels, and its whole area.
QSize DesignSize(const QImage& image);
QRect DesignRect(const QImage& image);

// A new picture of that size in 32-bit RGB, black.
QImage Blank(int width, int height);

// The part `rect` (in design pixels) of a picture painted at the present scale.
QImage Cut(const QImage& image, const QRect& rect);

// `image` stretched to `size` design pixels (as QImage::scaled, fast), at its scale.
QImage Stretched(const QImage& image, QSize size);

// A blank, fully transparent ARGB canvas of the given size.
QImage Canvas(QSize size);

// Sets every pixel from a function of its position in design pixels. At scale 2 or 3 the
// function is first called once for each design pixel in the order of scale 1, so that
// what it settles on its first visit of a place (a random colour for a cell) is the same.
void Fill(QImage& image, const std::function<QColor(double x, double y)>& colourAt);

// Changes every pixel through a function of its position in design pixels and its
// present colour.
void Apply(QImage& image, const std::function<QColor(double x, double y, const QColor&)>& change);

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
