#include "tools/artgen/WindowChrome.h"

#include "tools/paint/Pixels.h"

#include "tools/artgen/BrassPlate.h"
#include "tools/paint/Colours.h"
#include "tools/paint/WoodTexture.h"

#include <QString>

#include <algorithm>
#include <cmath>

namespace {

const QColor FrameDark(46, 28, 13);
const QColor FrameLight(106, 68, 34);

} // namespace

void WindowChrome::Scale(QImage& image, int x, int y, double factor) {
    // Every device pixel of the design pixel (x, y).
    const int s = Paint::Scale();
    for (int dy = 0; dy < s; ++dy)
        for (int dx = 0; dx < s; ++dx) {
            const int px = x * s + dx;
            const int py = y * s + dy;
            if (image.rect().contains(px, py))
                image.setPixel(px, py, Paint::Shade(QColor(image.pixel(px, py)), factor).rgb());
        }
}

void WindowChrome::Sink(QImage& image, const QRect& area, double floor) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const int fromLeft = x - area.left();
            const int fromTop = y - area.top();
            const int fromRight = area.right() - x;
            const int fromBottom = area.bottom() - y;
            double factor = floor;
            // The walls: top and left lie in shadow, bottom and right catch the light.
            // Where two walls meet, the nearer one wins (a mitre).
            const int nearest = std::min({fromLeft, fromTop, fromRight, fromBottom});
            if (nearest < 2) {
                if (nearest == fromTop || nearest == fromLeft)
                    factor = nearest == 0 ? 0.38 : 0.5;
                else
                    factor = nearest == 0 ? 1.45 : 1.15;
            } else if (fromTop < 6) {
                // The upper wall throws a soft shadow onto the floor.
                factor *= 0.78 + 0.22 * (fromTop - 2) / 4.0;
            }
            Scale(image, x, y, factor);
        }
    }
}

QImage WindowChrome::Render() {
    QImage image = Paint::Blank(900, 700);
    const Paint::WoodTexture top(31, FrameDark, FrameLight, 9.0);
    const Paint::WoodTexture bottom(32, FrameDark, FrameLight, 8.0);
    const Paint::WoodTexture left(33, FrameDark, FrameLight, 5.0);
    const Paint::WoodTexture right(34, FrameDark, FrameLight, 5.5);
    const int s = Paint::Scale();
    for (int row = 0; row < image.height(); ++row) {
        for (int column = 0; column < image.width(); ++column) {
            // The rails end at whole design pixels; their grain is as fine as the screen.
            const int px = column / s;
            const int py = row / s;
            const double x = Paint::Design(column);
            const double y = Paint::Design(row);
            QColor color;
            if (py < Opening.top())
                color = top.At(x, y + 20);
            else if (py > Opening.bottom())
                color = bottom.At(x + 300, y);
            else if (px < Opening.left())
                color = left.At(y, x + 11);
            else if (px > Opening.right())
                color = right.At(y + 500, x);
            else
                continue;
            image.setPixel(column, row, color.rgb());
        }
    }

    // The side rails butt against the top bar and the bottom rail.
    for (int x : {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17}) {
        for (int side : {x, 899 - x}) {
            Scale(image, side, Opening.top(), 0.55);
            Scale(image, side, Opening.top() + 1, 1.15);
            Scale(image, side, Opening.bottom(), 0.8);
            Scale(image, side, Opening.bottom() + 1, 0.55);
            Scale(image, side, Opening.bottom() + 2, 1.15);
        }
    }

    // Title plaque: brushed brass, so that the dark embossed title reads on it.
    BrassPlate::Paint(image, TitlePlaque);

    Sink(image, ToolTray, 0.62);
    Sink(image, StatusPanel, 0.55);

    // The play area lies lower than the frame: the frame's inner walls on the top and
    // left are in shadow, those on the bottom and right in light.
    const QRect lip = Opening.adjusted(-3, -3, 3, 3);
    for (int y = lip.top(); y <= lip.bottom(); ++y) {
        for (int x = lip.left(); x <= lip.right(); ++x) {
            if (Opening.contains(x, y))
                continue;
            const int dLeft = Opening.left() - x;
            const int dTop = Opening.top() - y;
            const int dRight = x - Opening.right();
            const int dBottom = y - Opening.bottom();
            const int depth = std::max({dLeft, dTop, dRight, dBottom}); // 1 .. 3
            const bool shadowSide = depth == dTop || depth == dLeft;
            const bool lightSide = depth == dBottom || depth == dRight;
            double factor = 1;
            if (shadowSide && !(lightSide && (dBottom > dTop || dRight > dLeft)))
                factor = depth == 1 ? 0.35 : depth == 2 ? 0.55 : 0.8;
            else
                factor = depth == 1 ? 1.5 : depth == 2 ? 1.3 : 1.1;
            Scale(image, x, y, factor);
        }
    }

    // The outer edge: a dark line, then a rounded edge lit from the top-left.
    for (int y = 0; y < 700; ++y) {
        for (int x = 0; x < 900; ++x) {
            const int dLeft = x;
            const int dTop = y;
            const int dRight = 899 - x;
            const int dBottom = 699 - y;
            const int nearest = std::min({dLeft, dTop, dRight, dBottom});
            if (nearest > 3)
                continue;
            if (nearest == 0) {
                BrassPlate::Set(image, x, y, Paint::DeepShadow.darker(140).rgb());
                continue;
            }
            const bool lit = nearest == dTop || nearest == dLeft;
            const std::array<double, 3> litFactor{1.55, 1.3, 1.1};
            const std::array<double, 3> darkFactor{0.5, 0.7, 0.88};
            Scale(image, x, y, lit ? litFactor[nearest - 1] : darkFactor[nearest - 1]);
        }
    }
    return image;
}

QImage WindowChrome::Piece(const QImage& frame, const QString& name) {
    if (name == QLatin1String("TOP"))
        return Paint::Cut(frame, QRect(0, 0, 900, Opening.top()));
    if (name == QLatin1String("LEFT"))
        return Paint::Cut(frame, QRect(0, Opening.top(), Opening.left(), Opening.height()));
    if (name == QLatin1String("RIGHT"))
        return Paint::Cut(frame, QRect(Opening.right() + 1, Opening.top(),
                                       900 - Opening.right() - 1, Opening.height()));
    return Paint::Cut(frame, QRect(0, Opening.bottom() + 1, 900, 700 - Opening.bottom() - 1));
}
