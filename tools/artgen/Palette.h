#pragma once
// The warm wooden colours every generated picture is drawn from, so that the window, the
// board and the cards look like one piece of furniture.

#include <QColor>

namespace Palette {

inline const QColor DeepShadow(42, 25, 12);
inline const QColor DarkWood(74, 46, 23);
inline const QColor MidWood(122, 79, 42);
inline const QColor LightWood(168, 119, 63);
inline const QColor Highlight(221, 167, 106);
inline const QColor TextLight(240, 225, 179);
inline const QColor TextDark(114, 72, 27);
inline const QColor Brass(201, 162, 74);

// The colour-key background of the tool bar glyphs (their top-left pixel).
inline const QColor ColorKey(255, 0, 255);

// a + (b - a) * t per channel, t clamped to 0..1.
QColor Mix(const QColor& a, const QColor& b, double t);

// Multiplies every channel by factor (light > 1 brightens, < 1 darkens), clamped.
QColor Shade(const QColor& color, double factor);

} // namespace Palette
