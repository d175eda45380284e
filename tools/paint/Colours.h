#pragma once
// The warm wooden colours every generated picture is drawn from, and the arithmetic on
// colours that the painters share.

#include <QColor>

namespace Paint {

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

// a blended towards b by t (clamped to 0..1), every channel including alpha rounded to
// whole steps.
QColor Mix(const QColor& a, const QColor& b, double t);

// The colour with red, green and blue multiplied by factor (brighter above 1), clamped;
// alpha stays.
QColor Shade(const QColor& colour, double factor);

// The colour with the given alpha (0..1).
QColor Alpha(const QColor& colour, double alpha);

// 0 below low, 1 above high, a smooth S-curve between.
double SmoothStep(double low, double high, double x);

} // namespace Paint
