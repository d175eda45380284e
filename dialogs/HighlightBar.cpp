#include "dialogs/HighlightBar.h"

#include <QPainter>

namespace HighlightBar {

QImage Laid(const QImage& art, int width) {
    const qreal ratio = art.devicePixelRatio();
    const int artWidth = qRound(art.width() / ratio);
    const int height = qRound(art.height() / ratio);
    if (width <= artWidth || artWidth <= EndWidth)
        return art;
    QImage bar((QSizeF(width, height) * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    bar.setDevicePixelRatio(ratio);
    bar.fill(Qt::transparent);
    const int body = artWidth - EndWidth;
    const auto source = [ratio, height](qreal x, qreal w) {
        return QRectF(x * ratio, 0, w * ratio, height * ratio);
    };
    QPainter painter(&bar);
    painter.drawImage(QRectF(0, 0, body, height), art, source(0, body));
    // The last column of the body, drawn on to the place of the end.
    painter.drawImage(QRectF(body, 0, width - artWidth, height), art, source(body - 1, 1));
    painter.drawImage(QRectF(width - EndWidth, 0, EndWidth, height), art, source(body, EndWidth));
    return bar;
}

} // namespace HighlightBar
