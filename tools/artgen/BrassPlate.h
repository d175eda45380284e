#pragma once
// The name plate of the top bar: brushed brass set into the wood with a bevelled rim and a
// screw at each end. It is light so that the dark embossed title on it reads clearly from
// across the room.

#include <QImage>
#include <QRect>

class BrassPlate {
public:
    // Paints the plate into area and its rim into the two pixels around it.
    static void Paint(QImage& image, const QRect& area);

    // Sets design pixel (x, y), all its device pixels, to colour.
    static void Set(QImage& image, int x, int y, QRgb colour);

    // The brass at the top, middle and bottom of the plate.
    static const QColor Top;
    static const QColor Middle;
    static const QColor Bottom;
};
