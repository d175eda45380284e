#include "tools/paint/Colours.h"

#include <algorithm>
#include <cmath>

namespace Paint {

namespace {

int Channel(double value) {
    return std::clamp(static_cast<int>(std::lround(value)), 0, 255);
}

} // namespace

QColor Mix(const QColor& a, const QColor& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return QColor(Channel(a.red() + (b.red() - a.red()) * t),
                  Channel(a.green() + (b.green() - a.green()) * t),
                  Channel(a.blue() + (b.blue() - a.blue()) * t),
                  Channel(a.alpha() + (b.alpha() - a.alpha()) * t));
}

QColor Shade(const QColor& colour, double factor) {
    return QColor(Channel(colour.red() * factor), Channel(colour.green() * factor),
                  Channel(colour.blue() * factor), colour.alpha());
}

QColor Alpha(const QColor& colour, double alpha) {
    QColor result = colour;
    result.setAlpha(Channel(alpha * 255));
    return result;
}

double SmoothStep(double low, double high, double x) {
    const double t = std::clamp((x - low) / (high - low), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

} // namespace Paint
