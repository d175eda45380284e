#include "BoardGeometry.h"

#include "platform/Arithmetic.h"

namespace BoardGeometry {

int BoardWidth(QSize picture) {
    if (picture.height() <= 0)
        return 0;
    return Arithmetic::ScaleRounded(picture.width(), BoardHeight, picture.height());
}

QSize DecodeSize(QSize picture) {
    return QSize(BoardWidth(picture), BoardHeight);
}

QRect BoardRect(int boardWidth) {
    return QRect(PlayAreaWidth - boardWidth - BoardMargin, BoardMargin, boardWidth, BoardHeight);
}

QSize PreviewSize(QSize picture) {
    const int w = picture.width();
    const int h = picture.height();
    if (w <= 0 || h <= 0)
        return QSize(PreviewExtent, PreviewExtent);
    if (h < w)
        return QSize(PreviewExtent, Arithmetic::ScaleRounded(h, PreviewExtent, w));
    return QSize(Arithmetic::ScaleRounded(w, PreviewExtent, h), PreviewExtent);
}

PictureVerdict CheckPicture(QSize picture) {
    if (picture.height() < MinimumPicture.height() || picture.width() < MinimumPicture.width())
        return PictureVerdict::TooSmall;
    if (BoardWidth(picture) > MaxBoardWidth)
        return PictureVerdict::WrongFormat;
    return PictureVerdict::Accepted;
}

QSize PieceSize(QSize board, int n) {
    if (n <= 0)
        return {};
    return QSize(board.width() / n, board.height() / n);
}

std::vector<QPoint> PieceOrigins(QSize board, int n) {
    std::vector<QPoint> origins;
    const QSize piece = PieceSize(board, n);
    if (piece.isEmpty())
        return origins;
    const int count = n * n;
    int x = 0;
    int y = 0;
    while (static_cast<int>(origins.size()) < count) {
        origins.emplace_back(x, y);
        x += piece.width();
        if (x + piece.width() > board.width()) {
            x = 0;
            y += piece.height();
            if (y >= board.height())
                break;
        }
    }
    return origins;
}

std::vector<int> GridLines(int extent, int cell) {
    std::vector<int> lines;
    if (cell <= 0)
        return lines;
    int position = cell;
    do {
        lines.push_back(position);
        position += cell;
    } while (position <= extent - cell);
    return lines;
}

} // namespace BoardGeometry
