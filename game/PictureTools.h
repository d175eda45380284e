#pragma once
// Whole-picture operations on 24-bit bitmaps used by the board.

#include <QImage>

namespace PictureTools {

// Lightens (amount > 0) or darkens (amount <= 0) every colour channel by the amount,
// clamped to 0..255. Works on whole scan lines through a 256-entry table; the picture is
// converted to 24-bit colour first if it is not already.
void AdjustBrightness(QImage& bitmap, int amount);

// The picture with a black shadow of `width` logical pixels along its right and bottom
// edge, at the picture's device pixel ratio.
QImage WithShadow(const QImage& picture, int width);

} // namespace PictureTools
