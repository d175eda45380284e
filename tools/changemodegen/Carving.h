#pragma once
// Small carpentry of the dialog's artwork: bevelled edges, brass inlays and screws, and
// the drop shadow under a loose piece or card.

#include <QColor>
#include <QRect>

class QPainter;

namespace Carving {

// Light top-left and dark bottom-right edges (raised), or the reverse (sunken).
void Bevel(QPainter& painter, const QRect& area, bool sunken, int width);

// A thin brass line around `area`, with a darker line just inside it.
void BrassFrame(QPainter& painter, const QRect& area);

// A round brass screw head with its slot.
void Screw(QPainter& painter, const QPointF& centre, double radius);

// A soft shadow below and right of `area`, as if it lay a little above the surface.
void DropShadow(QPainter& painter, const QRectF& area, double offset, double radius = 2.0);

} // namespace Carving
