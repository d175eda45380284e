#include "dialogs/PrintPlacement.h"

namespace PrintPlacement {

QTransform OnSheet(const DefaultPrinter::Sheet& sheet, int blockLeft, int blockRight) {
    const double spare = sheet.printable.width() - (blockRight - blockLeft);
    return QTransform::fromTranslate(sheet.printable.left() + spare / 2 - blockLeft,
                                     sheet.printable.top());
}

QTransform SheetToPreview(const QSizeF& paper, const QSize& preview) {
    if (paper.width() <= 0)
        return {};
    const double scale = preview.width() / paper.width();
    return QTransform::fromScale(scale, scale);
}

} // namespace PrintPlacement
