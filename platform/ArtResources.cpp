#include "ArtResources.h"

#include "AppError.h"
#include "ArtDecode.h"
#include "ArtScale.h"
#include "PackedPictures.h"

#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QPixmap>
#include <QResource>

// The bundles of the sets for 200 % and 300 %, and the pack of the pictures for 100 %,
// embedded by the build (resources/).
extern "C" const unsigned char tessaly_art_2x[];
extern "C" const unsigned char tessaly_art_3x[];
extern "C" const unsigned char tessaly_pictures[];

namespace {

qreal chosenRatio = 0;

QByteArray ReadResource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// A picture of the set for 100 %: from the build's pack, ready to draw, or decoded from its
// file where the pack does not hold it.
QImage FromFirstSet(const QString& path) {
    const QImage packed = PackedPictures::Find(tessaly_pictures, path);
    if (!packed.isNull())
        return packed;
    return ArtDecode::Decode(path, ReadResource(path));
}

// Loads `path1x` from the set for the present ratio, brought to that ratio; the picture of
// set 1 when the program carries no larger one.
QImage FromSet(const QString& path1x) {
    const qreal ratio = ArtResources::Ratio();
    const int set = ArtScale::SetFor(ratio);
    if (set == 1)
        return FromFirstSet(path1x);
    ArtResources::CarrySet(set);
    QImage picture = ArtDecode::Decode(ArtScale::PathInSet(path1x, set),
                                       ReadResource(ArtScale::PathInSet(path1x, set)));
    if (picture.isNull()) {
        const QString jpeg = ArtScale::JpegPathInSet(path1x, set);
        picture = ArtDecode::Decode(jpeg, ReadResource(jpeg));
    }
    if (picture.isNull())
        return FromFirstSet(path1x);
    const bool keyed = picture.pixel(0, 0) == qRgb(255, 0, 255);
    return ArtScale::ToRatio(picture, set, ratio, keyed);
}

QImage LoadCachedImage(const QString& path) {
    static QHash<QString, QImage> cache;
    const QString key = path + QLatin1Char('|') + QString::number(ArtResources::Ratio());
    auto found = cache.constFind(key);
    if (found != cache.constEnd())
        return *found;
    const QImage image = FromSet(path);
    cache.insert(key, image);
    return image;
}

} // namespace

namespace ArtResources {

qreal Ratio() {
    if (chosenRatio > 0)
        return chosenRatio;
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) ? qApp->devicePixelRatio()
                                                                        : 1.0;
}

void SetRatio(qreal ratio) {
    chosenRatio = ratio;
}

bool CarrySet(int set) {
    static bool registered[4] = {true, true, false, false};
    if (set < 1 || set > 3)
        return false;
    if (!registered[set])
        registered[set] = QResource::registerResource(set == 2 ? tessaly_art_2x : tessaly_art_3x);
    return registered[set];
}

QImage LoadJpg(int number) {
    // Decoded once; the pictures are shared copy-on-write, so callers may draw on theirs.
    static QHash<QString, QImage> cache;
    const QString key = QStringLiteral("%1|%2").arg(number).arg(Ratio());
    if (auto found = cache.constFind(key); found != cache.constEnd())
        return *found;
    const QImage picture = FromSet(QStringLiteral(":/jpg/%1.jpg").arg(number));
    if (picture.isNull())
        throw AppError(QStringLiteral("Die Grafik %1 fehlt im Programm.").arg(number));
    cache.insert(key, picture);
    return picture;
}

QImage LoadSkin(const QString& name) {
    return LoadCachedImage(QStringLiteral(":/skin/%1.bmp").arg(name));
}

QImage LoadArt(const QString& name) {
    return LoadCachedImage(QStringLiteral(":/art/%1.png").arg(name));
}

QImage LoadIcon(int size) {
    return FromFirstSet(QStringLiteral(":/art/ICON_%1.png").arg(size));
}

QCursor LoadCursor(const QString& name) {
    const QImage picture = FromSet(QStringLiteral(":/cursor/%1.png").arg(name));
    if (picture.isNull())
        return QCursor(Qt::ArrowCursor);
    return QCursor(QPixmap::fromImage(picture), 0, 0);
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
