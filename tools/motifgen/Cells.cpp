#include "Cells.h"

#include "Dice.h"

#include <algorithm>
#include <cmath>

Cells::Cells(int width, int height, double spacing, double jitter)
    : columns_(static_cast<int>(std::ceil(width / spacing)) + 2),
      rows_(static_cast<int>(std::ceil(height / spacing)) + 2), spacing_(spacing) {
    for (int row = 0; row < rows_; ++row) {
        for (int column = 0; column < columns_; ++column) {
            points_.emplace_back((column - 1 + 0.5 + Dice::Uniform(-jitter, jitter) / 2) * spacing,
                                 (row - 1 + 0.5 + Dice::Uniform(-jitter, jitter) / 2) * spacing);
        }
    }
}

Cells::Hit Cells::At(double x, double y) const {
    const int column = static_cast<int>(std::floor(x / spacing_)) + 1;
    const int row = static_cast<int>(std::floor(y / spacing_)) + 1;
    double best = 1e18;
    double second = 1e18;
    int bestIndex = 0;
    for (int r = std::max(row - 2, 0); r <= std::min(row + 2, rows_ - 1); ++r) {
        for (int c = std::max(column - 2, 0); c <= std::min(column + 2, columns_ - 1); ++c) {
            const int index = r * columns_ + c;
            const double dx = points_[index].x() - x;
            const double dy = points_[index].y() - y;
            const double d = dx * dx + dy * dy;
            if (d < best) {
                second = best;
                best = d;
                bestIndex = index;
            } else if (d < second) {
                second = d;
            }
        }
    }
    const double nearest = std::sqrt(best);
    return {bestIndex, points_[bestIndex], nearest, std::sqrt(second) - nearest};
}
