#include "ArtScale.h"

#include <algorithm>
#include <cmath>

namespace ArtScale {

int SetFor(qreal ratio) {
    if (ratio <= 1.0)
        return 1;
    if (ratio <= 2.0)
        return 2;
    return 3;
}

QString PathInSet(const QString& path1x, int set) {
    if (set <= 1)
        return path1x;
    const qsizetype dot = path1x.lastIndexOf(QLatin1Char('.'));
    QString extension = path1x.mid(dot);
    if (extension == QLatin1String(".bmp"))
        extension = QStringLiteral(".png");
    return path1x.left(dot) + QStringLiteral("@%1x").arg(set) + extension;
}

QString JpegPathInSet(const QString& path1x, int set) {
    const QString path = PathInSet(path1x, set);
    return path.left(path.lastIndexOf(QLatin1Char('.'))) + QStringLiteral(".jpg");
}

namespace {

// Scales an opaque keyed bitmap through its coverage: keyed pixels are transparent while
// it is smoothed, and the key comes back where less than half of a pixel is covered.
QImage ScaleKeyed(const QImage& picture, QSize size) {
    const QRgb key = picture.pixel(0, 0) | 0xff000000u;
    QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(argb.scanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            if ((line[x] | 0xff000000u) == key)
                line[x] = 0;
    }
    const QImage scaled = argb.convertToFormat(QImage::Format_ARGB32_Premultiplied)
                              .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                              .convertToFormat(QImage::Format_ARGB32);
    QImage result(scaled.size(), QImage::Format_RGB888);
    for (int y = 0; y < scaled.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(scaled.constScanLine(y));
        for (int x = 0; x < scaled.width(); ++x) {
            QRgb colour = qAlpha(line[x]) < 128 ? key : (line[x] | 0xff000000u);
            // An edge pixel must never turn into the key by chance.
            if (qAlpha(line[x]) >= 128 && colour == key)
                colour ^= 0x00000100u;
            result.setPixel(x, y, colour);
        }
    }
    // The top-left pixel names the key for whoever draws the bitmap.
    result.setPixel(0, 0, key);
    return result;
}

} // namespace

QImage ToRatio(const QImage& picture, int set, qreal ratio, bool keyed) {
    if (picture.isNull())
        return picture;
    QImage result = picture;
    if (!qFuzzyCompare(ratio, qreal(set))) {
        const QSize size(std::max(1, int(std::lround(picture.width() * ratio / set))),
                         std::max(1, int(std::lround(picture.height() * ratio / set))));
        result = keyed ? ScaleKeyed(picture, size)
                       : picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                             .convertToFormat(picture.format());
    }
    result.setDevicePixelRatio(ratio);
    return result;
}

QSize DeviceSize(QSize size, qreal ratio) {
    return QSize(int(std::lround(size.width() * ratio)), int(std::lround(size.height() * ratio)));
}

QImage ToScreen(const QImage& picture, QSize size, qreal ratio) {
    QImage result =
        picture.scaled(DeviceSize(size, ratio), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    result.setDevicePixelRatio(ratio);
    return result;
}

} // namespace ArtScale
