#pragma once
// Building blocks of the landscape motifs: skies with clouds, ridges, trees and flowers.

#include "tools/paint/Palette.h"
#include "tools/paint/ValueNoise.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPointF>

namespace Scenery {

// Sky from the top of the picture down to horizon: the palette runs from the zenith (0) to
// the horizon (1); clouds cover about the given share and are lit from above.
void Sky(QImage& image, int horizon, const Paint::Palette& palette, unsigned seed, double coverage,
         const QColor& cloudLight, const QColor& cloudShadow);

// Height of a ridge line at x: base plus up to amplitude of fractal noise.
double Ridge(const Paint::ValueNoise& noise, double x, double base, double amplitude, double scale);

// A fir tree standing at base, with a lit left flank.
void Conifer(QPainter& painter, QPointF base, double height, const QColor& colour);

// A round deciduous tree standing at base, built from lit and shaded leaf clumps.
void Broadleaf(QPainter& painter, QPointF base, double height, const QColor& colour);

// A flower head of five or more petals.
void Flower(QPainter& painter, QPointF centre, double radius, const QColor& petals,
            const QColor& heart);

// Turns everything below the waterline into a rippled, darkened mirror of what is above it.
void Reflect(QImage& image, int waterline, unsigned seed, const QColor& tint, double tintShare);

// Stars of varied size and tint over the given region.
void Stars(QPainter& painter, const QRectF& region, int count);

} // namespace Scenery
