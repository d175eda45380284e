#include "tools/artgen/WindowChrome.h"

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
    if (!image.rect().contains(x, y))
        return;
    image.setPixel(x, y, Paint::Shade(QColor(image.pixel(x, y)), factor).rgb());
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
    QImage image(900, 700, QImage::Format_RGB32);
    image.fill(Qt::black);
    const Paint::WoodTexture top(31, FrameDark, FrameLight, 9.0);
    const Paint::WoodTexture bottom(32, FrameDark, FrameLight, 8.0);
    const Paint::WoodTexture left(33, FrameDark, FrameLight, 5.0);
    const Paint::WoodTexture right(34, FrameDark, FrameLight, 5.5);
    for (int y = 0; y < 700; ++y) {
        for (int x = 0; x < 900; ++x) {
            QColor color;
            if (y < Opening.top())
                color = top.At(x, y + 20);
            else if (y > Opening.bottom())
                color = bottom.At(x + 300, y);
            else if (x < Opening.left())
                color = left.At(y, x + 11);
            else if (x > Opening.right())
                color = right.At(y + 500, x);
            else
                continue;
            image.setPixel(x, y, color.rgb());
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

    // Title plaque: lighter wood set into the bar, so the engraved dark title reads on it.
    const Paint::WoodTexture plaque(35, QColor(160, 110, 58), QColor(196, 146, 86), 14.0);
    for (int y = TitlePlaque.top(); y <= TitlePlaque.bottom(); ++y)
        for (int x = TitlePlaque.left(); x <= TitlePlaque.right(); ++x)
            image.setPixel(x, y, plaque.At(x * 0.6, y).rgb());
    Sink(image, TitlePlaque, 1.0);
    // A brass rim around the plaque.
    const QRect rim = TitlePlaque.adjusted(-2, -2, 2, 2);
    for (int x = rim.left(); x <= rim.right(); ++x) {
        image.setPixel(x, rim.top(), Paint::Shade(Paint::Brass, 1.15).rgb());
        image.setPixel(x, rim.top() + 1, Paint::Brass.rgb());
        image.setPixel(x, rim.bottom() - 1, Paint::Shade(Paint::Brass, 0.8).rgb());
        image.setPixel(x, rim.bottom(), Paint::Shade(Paint::Brass, 0.6).rgb());
    }
    for (int y = rim.top(); y <= rim.bottom(); ++y) {
        image.setPixel(rim.left(), y, Paint::Shade(Paint::Brass, 1.15).rgb());
        image.setPixel(rim.left() + 1, y, Paint::Brass.rgb());
        image.setPixel(rim.right() - 1, y, Paint::Shade(Paint::Brass, 0.8).rgb());
        image.setPixel(rim.right(), y, Paint::Shade(Paint::Brass, 0.6).rgb());
    }

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
                image.setPixel(x, y, Paint::DeepShadow.darker(140).rgb());
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
        return frame.copy(0, 0, 900, Opening.top());
    if (name == QLatin1String("LEFT"))
        return frame.copy(0, Opening.top(), Opening.left(), Opening.height());
    if (name == QLatin1String("RIGHT"))
        return frame.copy(Opening.right() + 1, Opening.top(), 900 - Opening.right() - 1,
                          Opening.height());
    return frame.copy(0, Opening.bottom() + 1, 900, 700 - Opening.bottom() - 1);
}
