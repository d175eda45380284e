#pragma once
// Paints the 660 x 260 background of the game start dialog: a dark wooden frame with
// the engraved title plate, a lighter body, and a sunken tray under the size buttons.

#include <QImage>

class BackgroundPainter {
public:
    QImage Paint() const;

    static constexpr int Width = 660;
    static constexpr int Height = 260;
};
