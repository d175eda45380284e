#pragma once
// The main window's wooden frame: the top bar with its recessed tool bar tray, title plaque
// and status panel, and the three frame edges, drawn as one picture and cut into pieces so
// that they meet without a seam.

#include <QImage>
#include <QRect>

class WindowChrome {
public:
    // Areas of the top bar that the window's controls sit in.
    static constexpr QRect ToolTray{20, 18, 278, 38};
    static constexpr QRect TitlePlaque{366, 14, 170, 42};
    static constexpr QRect StatusPanel{546, 23, 334, 33};
    // The play area the frame surrounds.
    static constexpr QRect Opening{18, 62, 864, 620};

    // The whole 900 x 700 frame; the opening is left black.
    static QImage Render();

    // The pieces the window shows: "TOP" (900 x 62), "LEFT", "RIGHT" (18 x 620) and
    // "BOTTOM" (900 x 18).
    static QImage Piece(const QImage& frame, const QString& name);

    // Shades design pixel (x, y) (all its device pixels) by factor.
    static void Scale(QImage& image, int x, int y, double factor);

private:
    // Darkens a rectangle into a sunken panel lit from the top-left.
    static void Sink(QImage& image, const QRect& area, double floor);
    // Multiplies every channel of one pixel by factor.
};
