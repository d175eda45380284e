#pragma once
// The bar behind a result just added in the statistics window, laid out to the width of its
// row: its body stretched, its rounded end past the end of the time, so that the whole time
// stays readable on it.

#include <QImage>

namespace HighlightBar {

// Columns of the bar's rounded right end in its artwork.
inline constexpr int EndWidth = 6;

// The artwork `art` (in logical pixels, whatever its pixel ratio) stretched to `width`: its
// left part as drawn, then its body drawn on, then its rounded end. A width up to the
// artwork's own gives the artwork.
QImage Laid(const QImage& art, int width);

} // namespace HighlightBar
