#pragma once
// Irregular cells around jittered grid points (a Voronoi pattern): tiles, glass panes, crystals.

#include <QPointF>
#include <vector>

class Cells {
public:
    struct Hit {
        int index;      // the nearest point's number
        QPointF centre; // the nearest point
        double nearest; // distance to it
        double border;  // distance to the next nearest minus nearest: 0 on a border
    };

    // Points jittered inside a grid of the given spacing, covering width x height.
    Cells(int width, int height, double spacing, double jitter);

    Hit At(double x, double y) const;
    int Count() const { return static_cast<int>(points_.size()); }

private:
    int columns_;
    int rows_;
    double spacing_;
    std::vector<QPointF> points_;
};
