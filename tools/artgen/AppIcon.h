#pragma once
// The program's icon: one wooden jigsaw piece with knobs at the top and right and holes at
// the bottom and left, lit from the top-left like the window's carved wood. Each size is
// drawn on its own, so that the small ones stay crisp: a plain outline and flat wood at 16
// to 24 pixels, grain, a rounded edge and a shadow from 32 pixels up.

#include <QImage>
#include <QPainterPath>

#include <vector>

class AppIcon {
public:
    // The sizes the desktop asks for.
    static const std::vector<int>& Sizes();

    // The icon at size x size pixels, with a transparent background.
    static QImage Render(int size);

    // The outline of the piece within a square of the given side, starting at origin;
    // bold knobs for the small sizes.
    static QPainterPath Outline(double side, QPointF origin, bool bold);

private:
    // Appends the edge from the path's current point a to b; bump > 0 is a knob to the
    // outside, < 0 a hole into the piece.
    static void Edge(QPainterPath& path, QPointF a, QPointF b, double bump, bool bold);
};
