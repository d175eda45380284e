#pragma once
// The puzzle piece as a picture: its outline, and a brass emblem of it sunk into wood.

#include <QImage>
#include <QPainterPath>
#include <QRectF>

namespace Paint {

// The outline of a jigsaw piece with knobs on the right and at the bottom, filling `rect`.
QPainterPath PuzzlePiece(const QRectF& rect);

// A brass emblem of a puzzle piece, sunk into the wood like an inlay; `mirrored` turns its
// knob to the left.
void PieceEmblem(QImage& canvas, const QRectF& rect, bool mirrored = false);

} // namespace Paint
