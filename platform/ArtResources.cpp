#include "ArtResources.h"

#include "AppError.h"
#include "JpegCodec.h"

#include <QFile>
#include <QHash>
#include <QPixmap>
#include <QResource>

namespace {

QByteArray ReadResource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

QImage LoadCachedImage(const QString& path) {
    static QHash<QString, QImage> cache;
    auto found = cache.constFind(path);
    if (found != cache.constEnd())
        return *found;
    QImage image(path);
    if (!image.isNull())
        image = image.convertToFormat(QImage::Format_RGB888);
    cache.insert(path, image);
    return image;
}

} // namespace

namespace ArtResources {

QImage LoadJpg(int number) {
    // Decoded once; the pictures are shared copy-on-write, so callers may draw on theirs.
    static QHash<int, QImage> cache;
    if (auto found = cache.constFind(number); found != cache.constEnd())
        return *found;
    const QString path = QStringLiteral(":/jpg/%1.jpg").arg(number);
    const QByteArray bytes = ReadResource(path);
    if (bytes.isEmpty())
        throw AppError(QStringLiteral("Die Grafik %1 fehlt im Programm.").arg(number));
    const QImage picture = JpegCodec::Decode(bytes);
    cache.insert(number, picture);
    return picture;
}

QImage LoadSkin(const QString& name) {
    return LoadCachedImage(QStringLiteral(":/skin/%1.bmp").arg(name));
}

QImage LoadArt(const QString& name) {
    return LoadCachedImage(QStringLiteral(":/art/%1.png").arg(name));
}

QImage LoadIcon(int size) {
    QImage icon(QStringLiteral(":/art/ICON_%1.png").arg(size));
    if (icon.isNull())
        return icon;
    return icon.convertToFormat(QImage::Format_ARGB32);
}

QCursor LoadCursor(const QString& name) {
    const QPixmap pixmap(QStringLiteral(":/cursor/%1.png").arg(name));
    if (pixmap.isNull())
        return QCursor(Qt::ArrowCursor);
    return QCursor(pixmap, 0, 0);
}

QByteArray LoadMp3(const QString& name) {
    // A sound stream reads its bytes in place while it plays, so they must stay where they
    // are: the embedded bytes themselves, or one unpacked copy kept for good.
    static QHash<QString, QByteArray> unpacked;
    const QResource resource(QStringLiteral(":/mp3/%1.mp3").arg(name));
    if (!resource.isValid() || resource.size() == 0)
        return {};
    if (resource.compressionAlgorithm() == QResource::NoCompression)
        return QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                       static_cast<qsizetype>(resource.size()));
    auto found = unpacked.constFind(name);
    if (found == unpacked.constEnd())
        found = unpacked.insert(name, resource.uncompressedData());
    return *found;
}

} // namespace ArtResources
