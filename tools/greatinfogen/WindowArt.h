#pragma once
// The building blocks of the two window backgrounds: the wooden frame, brass-rimmed plates,
// the sunk parchment field, brass nails, the puzzle-piece emblem and lettering.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace WindowArt {

// A window-sized canvas of dark wood with a bevelled outer edge and brass nails in the
// corners.
QImage Frame(QSize size, int seed);

// A dark wooden plate with a brass rim, for headings.
void Plate(QImage& canvas, const QRectF& rect, int seed);

// A light parchment field sunk into the frame behind a thin brass line.
void Parchment(QImage& canvas, const QRectF& rect, int seed);

// A horizontal brass rule with small diamonds at both ends.
void Rule(QImage& canvas, double left, double right, double y);

// The outline of a jigsaw piece with knobs on the right and at the bottom, filling `rect`.
QPainterPath PuzzlePiece(const QRectF& rect);

// A brass emblem of a puzzle piece, sunk into the wood like an inlay; `mirrored` turns its
// knob to the left.
void PieceEmblem(QImage& canvas, const QRectF& rect, bool mirrored = false);

// The fonts of the lettering, by pixel size.
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

} // namespace WindowArt
