#include "tools/artgen/Palette.h"

#include <algorithm>
#include <cmath>

namespace Palette {

QColor Mix(const QColor& a, const QColor& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    auto channel = [t](int from, int to) {
        return static_cast<int>(std::lround(from + (to - from) * t));
    };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()),
                  channel(a.blue(), b.blue()));
}

QColor Shade(const QColor& color, double factor) {
    auto channel = [factor](int value) {
        return std::clamp(static_cast<int>(std::lround(value * factor)), 0, 255);
    };
    return QColor(channel(color.red()), channel(color.green()), channel(color.blue()));
}

} // namespace Palette
