#pragma once
// The carpentry of the windows' artwork: wooden frames with bevelled edges, brass-rimmed
// plates, sunk parchment fields, brass lines, screws and nails, and drop shadows.

#include <QBrush>
#include <QColor>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <cstdint>

class QPainter;

namespace Paint {

// Light top-left and dark bottom-right edges (raised), or the reverse (sunken), `width`
// pixels wide and fading inwards.
void Bevel(QPainter& painter, const QRect& area, bool sunken, int width);

// A thin brass line around `area`, with a darker line just inside it.
void BrassFrame(QPainter& painter, const QRect& area);

// A round brass screw head with its slot.
void Screw(QPainter& painter, const QPointF& centre, double radius);

// A round brass nail head in a dark hole, lit from the top left.
void Nail(QPainter& painter, QPointF centre);

// A soft shadow below and right of `area`, as if it lay a little above the surface.
void DropShadow(QPainter& painter, const QRectF& area, double offset, double radius = 2.0);

// A window-sized ARGB canvas of dark wood with a bevelled outer edge.
QImage Frame(QSize size, std::uint32_t seed);

// A dark wooden plate with a brass rim and a nail at either end, for headings.
void Plate(QImage& canvas, const QRectF& rect, std::uint32_t seed);

// A rounded plate: a dark outline, a rim painted with `rim` one pixel inside it, and a
// face of wood between `dark` and `light` `inset` pixels inside, shaded as FillWood does.
// The bodies of buttons, and caption plates.
void RimmedPlate(QImage& canvas, const QRectF& rect, double radius, const QBrush& rim, double inset,
                 const QColor& dark, const QColor& light, std::uint32_t seed,
                 bool shadeInverted = false);

// A light parchment field sunk into the frame behind a thin brass line.
void Parchment(QImage& canvas, const QRectF& rect, std::uint32_t seed);

// A horizontal brass rule with small diamonds at both ends.
void Rule(QImage& canvas, double left, double right, double y);

} // namespace Paint
