#include "WDSkin.h"

#include "platform/ArtResources.h"

#include <QHash>
#include <QPainter>

namespace WDSkin {

QImage Load(const QString& name) {
    return ArtResources::LoadSkin(name);
}

QImage LoadKeyed(const QString& name) {
    static QHash<QString, QImage> cache;
    const QString key = name + QLatin1Char('|') + QString::number(ArtResources::Ratio());
    auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return *found;
    const QImage plain = Load(name);
    QImage keyed;
    if (!plain.isNull())
        keyed = KeyTransparent(plain, plain.pixel(0, 0));
    cache.insert(key, keyed);
    return keyed;
}

QImage KeyTransparent(const QImage& image, QRgb key) {
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb opaqueKey = key | 0xff000000u;
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            if ((line[x] | 0xff000000u) == opaqueKey)
                line[x] = 0;
        }
    }
    return result;
}

bool DrawKeyed(QPainter& painter, const QRect& target, const QString& name) {
    const QImage image = LoadKeyed(name);
    if (image.isNull())
        return false;
    painter.drawImage(target, image);
    return true;
}

bool DrawOpaque(QPainter& painter, const QRect& target, const QString& name) {
    const QImage image = Load(name);
    if (image.isNull())
        return false;
    painter.drawImage(target, image);
    return true;
}

} // namespace WDSkin
