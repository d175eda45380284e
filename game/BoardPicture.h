#pragma once
// The board's pictures at the screen's resolution: the player's picture scaled to the
// board, the pieces cut from it, the darkened table under it and the placed pieces painted
// back, all addressed in logical pixels of the board while their pixels are device pixels
// (a 500-pixel board is 1000 pixels high on a screen at 200 %).

#include <QImage>
#include <QRect>
#include <QSize>

namespace BoardPicture {

// The device pixel ratio the board is drawn for (that of the program's artwork).
qreal Ratio();

// The device size of `size` logical pixels, rounded.
QSize DeviceSize(QSize size);

// The logical size of a picture that carries its device pixel ratio.
QSize LogicalSize(const QImage& picture);

// `picture` smoothly scaled to `size` logical pixels at the board's ratio, in 24-bit
// colour; a picture smaller than that is scaled up once here.
QImage Scaled(const QImage& picture, QSize size);

// The part `rect` (logical pixels of `picture`) of a picture that carries its ratio.
QImage Cut(const QImage& picture, const QRect& rect);

// A black picture of `size` logical pixels at the board's ratio, in 24-bit colour.
QImage Blank(QSize size);

// Paints `rect` of `piece` (logical pixels from its top-left) into `board` at `at`.
void Paste(QImage& board, QPoint at, const QImage& piece, QSize size);

} // namespace BoardPicture
