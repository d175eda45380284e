#pragma once
// Where the pieces of a new puzzle lie before the player takes them: scattered in the strip
// left of the board, or stacked diagonally in the bottom-left corner; and how a dropped
// piece is pushed back into the play area.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

namespace PiecePlacement {

// A random place in the strip left of the board and below the preview (before the
// 1-pixel nudge up and left that every scattered piece gets).
QPoint ScatteredPosition(QSize piece, int boardLeft);

// Place of the piece with the given stack number (1 = bottom) in the diagonal stack.
QPoint StackPosition(int stackNumber, int pieceHeight);

// Piece numbers 1..count in the random order in which they are put on the stack.
std::vector<int> StackOrder(int count);

// The piece's rectangle moved, if need be, so that it lies inside the play area.
QPoint PushIntoArea(QRect piece, QSize area);

} // namespace PiecePlacement
