#include "tools/paint/Lettering.h"

#include <QFontMetricsF>
#include <QPainter>

namespace Paint {

QFont Times(int pixels, bool bold, bool italic) {
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(italic);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void Engraved(QImage& canvas, const QString& text, const QFont& font, const QRectF& rect, int flags,
              const QColor& colour) {
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    painter.setPen(QColor(20, 10, 3, 200));
    painter.drawText(rect.translated(1, 1.5), flags, text);
    painter.setPen(colour);
    painter.drawText(rect, flags, text);
}

void Ink(QImage& canvas, const QString& text, const QFont& font, const QRectF& rect, int flags,
         const QColor& colour) {
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(rect, flags, text);
}

void InkRightAt(QImage& canvas, const QString& text, const QFont& font, double right,
                double baseline, const QColor& colour) {
    QPainter painter(&canvas);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    painter.setPen(colour);
    const double width = QFontMetricsF(font).horizontalAdvance(text);
    painter.drawText(QPointF(right - width, baseline), text);
}

} // namespace Paint
