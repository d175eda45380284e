#pragma once
// The pictures of the play area: the table background, the carved frame pieces that are
// stretched around the board and the preview, the grid grooves, and the memory cards.

#include <QImage>

class BoardArt {
public:
    // 864 x 620: dark wooden table boards, quiet enough for the pieces to stand out.
    static QImage Background();

    // Frame piece 301 .. 308 (corners top-left, top-right, bottom-left, bottom-right; edges
    // top, bottom 580 x 10; edges left, right 10 x 580). The profile runs across each
    // piece, so the pieces still read right when stretched along their length.
    static QImage FramePiece(int number);

    // 309 (600 x 5) or 310 (5 x 600): a groove lit from the top-left.
    static QImage GridLine(bool horizontal);

    // Memory card face number 1 .. 30, 100 x 100.
    static QImage CardFace(int number);

    // 100 x 100 card back: wooden marquetry with a brass rosette.
    static QImage CardBack();

private:
    // Colour of the frame at distance depth (0 = outer edge, 10 = next to the picture)
    // from the outside, at position along the edge, lit for the edge whose outside points
    // to (outX, outY).
    static QColor FrameColor(double along, double depth, int outX, int outY);
};
