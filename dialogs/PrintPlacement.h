#pragma once
// Where the printed statistics page lies on the printer's sheet, and how the preview shows
// that sheet: the same page, drawn once, moved and scaled.

#include "platform/DefaultPrinter.h"

#include <QSize>
#include <QTransform>

namespace PrintPlacement {

// Moves a page drawn at full size, whose block of texts spans blockLeft..blockRight, so
// that the block is centred across the printable part of the sheet; its top stays at the
// top of the printable part.
QTransform OnSheet(const DefaultPrinter::Sheet& sheet, int blockLeft, int blockRight);

// Scales the sheet so that its width fills the preview's width; its top is the preview's
// top. The lists lie in the upper half of the sheet, so only the empty foot may be cut off.
QTransform SheetToPreview(const QSizeF& paper, const QSize& preview);

} // namespace PrintPlacement
