#pragma once
// Paints the three 128 x 100 mode illustrations of the game start dialog: pieces
// scattered beside a board (Standard), a diagonal stack of pieces (Kaskade), and
// face-down and turned cards (Memory), each on a small framed table top.

#include <QImage>

class IllustrationPainter {
public:
    IllustrationPainter();

    QImage Standard() const;
    QImage Kaskade() const;
    QImage Memory() const;

    static constexpr int Width = 128;
    static constexpr int Height = 100;

private:
    // The framed table every illustration starts from.
    QImage Table(std::uint32_t seed) const;
    void Frame(QImage& image) const;

    // The piece of the puzzle picture in `cell` of a `cells` x `cells` grid, drawn at
    // `target` with a raised edge.
    void DrawPiece(QPainter& painter, const QRectF& target, int cells, QPoint cell,
                   bool lifted) const;
    // A board of `cells` x `cells` at `area` with the cells in `placed` painted in and
    // the others darkened.
    void DrawBoard(QPainter& painter, const QRect& area, int cells,
                   const QList<QPoint>& placed) const;

    QImage picture; // the landscape the puzzles are cut from
};
