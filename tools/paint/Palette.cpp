#include "tools/paint/Palette.h"

#include "tools/paint/Colours.h"

#include <algorithm>
#include <cmath>

namespace Paint {

Palette::Palette(std::initializer_list<Stop> stops) : stops_(stops) {}

QColor Palette::At(double position) const {
    if (stops_.empty())
        return Qt::black;
    if (position <= stops_.front().position)
        return stops_.front().colour;
    for (std::size_t i = 1; i < stops_.size(); ++i) {
        if (position <= stops_[i].position) {
            const Stop& a = stops_[i - 1];
            const Stop& b = stops_[i];
            const double span = b.position - a.position;
            return Mix(a.colour, b.colour, span > 0 ? (position - a.position) / span : 0);
        }
    }
    return stops_.back().colour;
}

QColor Palette::Cyclic(double position) const {
    return At(position - std::floor(position));
}

} // namespace Paint
