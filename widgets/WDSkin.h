#pragma once
// Loading and drawing of the skin bitmaps the skinned controls are made of, with the
// colour of a bitmap's top-left pixel as its transparent colour where a control asks.

#include <QColor>
#include <QImage>
#include <QString>

class QPainter;
class QRect;

namespace WDSkin {

// Text and fill colour of every skinned control (RGB 240, 225, 179).
inline const QColor TextLight(240, 225, 179);

// The skin bitmap of that name as an opaque 24-bit image; null when the program does not
// carry it.
QImage Load(const QString& name);

// The skin bitmap with every pixel of its top-left pixel's colour made transparent;
// cached per name. Null when the program does not carry it.
QImage LoadKeyed(const QString& name);

// `image` with every pixel of colour `key` made transparent.
QImage KeyTransparent(const QImage& image, QRgb key);

// Draws the named bitmap stretched into `target`, keyed or opaque. Returns false (and
// draws nothing) when the bitmap is missing.
bool DrawKeyed(QPainter& painter, const QRect& target, const QString& name);
bool DrawOpaque(QPainter& painter, const QRect& target, const QString& name);

} // namespace WDSkin
