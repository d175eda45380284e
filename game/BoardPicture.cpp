#include "BoardPicture.h"

#include "platform/ArtResources.h"
#include "platform/ArtScale.h"

#include <QPainter>
#include <cmath>

namespace BoardPicture {

qreal Ratio() {
    return ArtResources::Ratio();
}

QSize DeviceSize(QSize size) {
    return ArtScale::DeviceSize(size, Ratio());
}

QSize LogicalSize(const QImage& picture) {
    return picture.deviceIndependentSize().toSize();
}

QImage Scaled(const QImage& picture, QSize size) {
    QImage result = ArtScale::ToScreen(picture, size, Ratio());
    if (result.format() != QImage::Format_RGB888)
        result = result.convertToFormat(QImage::Format_RGB888);
    return result;
}

QImage Cut(const QImage& picture, const QRect& rect) {
    const qreal ratio = picture.devicePixelRatio();
    const QRect device(int(std::lround(rect.x() * ratio)), int(std::lround(rect.y() * ratio)),
                       int(std::lround(rect.width() * ratio)),
                       int(std::lround(rect.height() * ratio)));
    QImage part = picture.copy(device);
    part.setDevicePixelRatio(ratio);
    return part;
}

QImage Blank(QSize size) {
    QImage picture(DeviceSize(size), QImage::Format_RGB888);
    picture.setDevicePixelRatio(Ratio());
    picture.fill(Qt::black);
    return picture;
}

void Paste(QImage& board, QPoint at, const QImage& piece, QSize size) {
    const qreal ratio = piece.devicePixelRatio();
    QPainter painter(&board);
    painter.drawImage(QRectF(at, size), piece,
                      QRectF(0, 0, size.width() * ratio, size.height() * ratio));
}

} // namespace BoardPicture
