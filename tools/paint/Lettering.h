#pragma once
// Lettering painted into the artwork: the serif font by pixel size, text engraved into
// wood, and ink on parchment.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QString>

namespace Paint {

// The serif font of the lettering, by pixel size, unhinted so that it scales evenly.
QFont Times(int pixels, bool bold, bool italic = false);

// Text on wood: light letters with a dark shadow below and to the right.
void Engraved(QImage& canvas, const QString& text, const QFont& font, const QRectF& rect, int flags,
              const QColor& colour);

// Text on parchment in one colour.
void Ink(QImage& canvas, const QString& text, const QFont& font, const QRectF& rect, int flags,
         const QColor& colour);

// Text right-aligned to `right` with its baseline on `baseline`.
void InkRightAt(QImage& canvas, const QString& text, const QFont& font, double right,
                double baseline, const QColor& colour);

} // namespace Paint
