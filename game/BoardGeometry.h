#pragma once
// Where the board, the preview and the pieces stand in the play area, and which pictures
// may become a board: plain arithmetic, shared by the window and its tests.

#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

namespace BoardGeometry {

inline constexpr int PlayAreaWidth = 864;
inline constexpr int PlayAreaHeight = 620;
inline constexpr int BoardHeight = 500;
inline constexpr int BoardMargin = 10; // board to the play area's right and top edge
inline constexpr int PreviewExtent = 120;
inline constexpr int MaxBoardWidth = 700;
inline constexpr QSize MinimumPicture{400, 500};

// A picture of w x h pixels becomes a board of Round(w * 500 / h) x 500.
int BoardWidth(QSize picture);

// The least a picture file is decoded at to fill its board: the whole picture scaled to the
// board's height. The chooser's trial decode and the board ask for the same, so the second
// finds the picture already decoded.
QSize DecodeSize(QSize picture);

// The board's place in the play area: 10 pixels from its right and top edge.
QRect BoardRect(int boardWidth);

// The preview shows the whole picture within 120 x 120, keeping its proportions.
QSize PreviewSize(QSize picture);

enum class PictureVerdict { Accepted, TooSmall, WrongFormat };

// The size rule (at least 400 x 500) first, then the format rule (board at most 700 wide).
PictureVerdict CheckPicture(QSize picture);

// Size of every piece of an n x n puzzle on a board of the given size; the remainders of
// the divisions belong to no piece.
QSize PieceSize(QSize board, int n);

// Top-left corner on the board of each piece, in reading order (row by row).
std::vector<QPoint> PieceOrigins(QSize board, int n);

// Positions of the inner grid lines along one side: cell, 2 * cell, ... while the line
// leaves at least one whole cell after it; the first line is always drawn.
std::vector<int> GridLines(int extent, int cell);

} // namespace BoardGeometry
