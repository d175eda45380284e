#pragma once
// A colour gradient through a list of stops, read at any position from 0 to 1.

#include <QColor>
#include <initializer_list>
#include <vector>

namespace Paint {

class Palette {
public:
    struct Stop {
        double position;
        QColor colour;
    };

    Palette(std::initializer_list<Stop> stops);

    // Linear blend between the neighbouring stops; positions outside 0..1 are clamped.
    QColor At(double position) const;

    // As At, but the position wraps around, for cyclic colourings.
    QColor Cyclic(double position) const;

private:
    std::vector<Stop> stops_;
};

} // namespace Paint
