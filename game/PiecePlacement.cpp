#include "PiecePlacement.h"

#include "BoardGeometry.h"
#include "platform/Random.h"

namespace PiecePlacement {

namespace {
constexpr int StripTop = 130; // the preview's lower edge
constexpr int Margin = 4;
} // namespace

QPoint ScatteredPosition(QSize piece, int boardLeft) {
    const int top =
        StripTop + Random::Next(BoardGeometry::PlayAreaHeight - piece.height() - StripTop);
    int left;
    if (boardLeft - piece.width() >= Margin)
        left = Margin + Random::Next(boardLeft - piece.width());
    else
        left = Margin + Random::Next(piece.width());
    return QPoint(left, top);
}

QPoint StackPosition(int stackNumber, int pieceHeight) {
    const int step = 2 * (stackNumber - 1);
    return QPoint(Margin + step, BoardGeometry::PlayAreaHeight - pieceHeight - Margin - step);
}

std::vector<int> StackOrder(int count) {
    // Pieces are drawn at random until one is found that is not on the stack yet.
    std::vector<int> order;
    std::vector<bool> stacked(static_cast<std::size_t>(count) + 1, false);
    while (static_cast<int>(order.size()) < count) {
        const int k = 1 + Random::Next(count);
        if (stacked[static_cast<std::size_t>(k)])
            continue;
        stacked[static_cast<std::size_t>(k)] = true;
        order.push_back(k);
    }
    return order;
}

QPoint PushIntoArea(QRect piece, QSize area) {
    QPoint position = piece.topLeft();
    if (position.x() < 0)
        position.setX(0);
    if (position.y() < 0)
        position.setY(0);
    if (position.x() + piece.width() > area.width())
        position.setX(area.width() - piece.width());
    if (position.y() + piece.height() > area.height())
        position.setY(area.height() - piece.height());
    return position;
}

} // namespace PiecePlacement
