#pragma once
// Drawing primitives of the wooden skin: palette, grain textures, bevelled plates and the
// conversion of anti-aliased drawings into 24-bit bitmaps with a key colour.

#include <QColor>
#include <QImage>
#include <QPainterPath>

namespace WoodPainter {

// The warm wooden palette every skin bitmap is drawn from.
inline const QColor DeepShadow(42, 25, 12);
inline const QColor DarkWood(74, 46, 23);
inline const QColor MidWood(122, 79, 42);
inline const QColor LightWood(168, 119, 63);
inline const QColor Highlight(221, 167, 106);
inline const QColor TextLight(240, 225, 179);
inline const QColor TextDark(114, 72, 27);
inline const QColor Brass(201, 162, 74);
// Pixels of this colour become transparent where a widget draws with a key colour; it
// never occurs inside the artwork itself.
inline const QColor Key(255, 0, 255);

QColor Mix(const QColor& a, const QColor& b, double t);

// Wood with grain running left to right; the texture repeats seamlessly in both
// directions, so it can be tiled.
QImage Grain(QSize size, const QColor& dark, const QColor& light, int seed);

// Fills `path` on an ARGB image with the grain and a soft light-top, dark-bottom shading.
void FillWood(QImage& target, const QPainterPath& path, const QColor& dark, const QColor& light,
              int seed, bool shadeInverted = false);

// Anti-aliased ARGB drawing -> opaque 24-bit image: mostly transparent pixels become the
// key colour, the rest lose their alpha. Keeps the key colour out of the edge pixels.
QImage Keyed(const QImage& argb);

// Composes an ARGB drawing over a solid colour into an opaque 24-bit image.
QImage Over(const QImage& argb, const QColor& background);

// A blank ARGB canvas of the given size.
QImage Canvas(QSize size);

} // namespace WoodPainter
