#include "picturedialog/FavoritesStore.h"

#include "picturedialog/PictureReach.h"
#include "picturedialog/PictureSizeCheck.h"
#include "platform/AppError.h"
#include "platform/FileNames.h"
#include "platform/JpegCodec.h"
#include "platform/PictureFile.h"
#include "platform/RegularFile.h"
#include "storage/StoredFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <cmath>

namespace {

constexpr int ThumbnailHeight = 100;
constexpr int ThumbnailQuality = 100;

// Favorite.dat holds 30 paths; a file edited into something larger is read this far only.
constexpr qint64 MaximumFavoritesBytes = 4 * 1024 * 1024;

} // namespace

QString FavoritesStore::ThumbnailOwner(const QString& thumbnailPath) {
    try {
        RegularFile file(thumbnailPath);
        const auto device = file.Device();
        return FileNames::FromNative(JpegCodec::ReadComment(*device));
    } catch (const AppError&) {
        return {};
    }
}

FavoritesList FavoritesStore::Load() const {
    FavoritesList list;
    const std::optional<QByteArray> bytes =
        StoredFile::ReadIfExists(FileName(), MaximumFavoritesBytes);
    if (!bytes)
        return list;
    const QStringList paths = FavoritesList::ParseFile(*bytes);

    const QStringList present =
        QDir(folder).entryList({QStringLiteral("th_*.jpg")}, QDir::Files | QDir::Hidden);
    const QSet<QString> files(present.begin(), present.end());
    QHash<QString, QString> owners; // read each comment once
    const auto ownerOf = [&](const QString& name) {
        auto found = owners.constFind(name);
        if (found == owners.constEnd())
            found = owners.insert(name, ThumbnailOwner(ThumbnailPath(name)));
        return *found;
    };

    // First every thumbnail that names its picture, then the unnamed ones of older lists
    // by their plain names.
    QStringList thumbnails(paths.size());
    QSet<QString> claimed;
    for (qsizetype i = 0; i < paths.size(); ++i) {
        for (const QString& name : FavoritesList::ThumbnailNameCandidates(paths[i])) {
            if (files.contains(name) && !claimed.contains(name) && ownerOf(name) == paths[i]) {
                thumbnails[i] = name;
                claimed.insert(name);
                break;
            }
        }
    }
    for (qsizetype i = 0; i < paths.size(); ++i) {
        const QString plain = FavoritesList::PlainThumbnailName(paths[i]);
        if (thumbnails[i].isEmpty() && files.contains(plain) && !claimed.contains(plain) &&
            ownerOf(plain).isEmpty()) {
            thumbnails[i] = plain;
            claimed.insert(plain);
        }
    }
    for (qsizetype i = 0; i < paths.size(); ++i)
        list.Append(paths[i], thumbnails[i]);
    CleanFavorites(list);
    return list;
}

void FavoritesStore::CleanFavorites(FavoritesList& list) const {
    if (list.IsEmpty())
        return;
    FavoritesList kept;
    for (int i = 0; i < list.Count(); ++i) {
        const FavoritesList::Entry& entry = list.At(i);
        // A picture that is only out of reach (its stick unplugged, its share not mounted)
        // keeps its place; only one whose folder is there without it has gone.
        const bool usable = PictureReach::Of(entry.path) != PictureReach::State::Gone &&
                            !entry.thumbnail.isEmpty() &&
                            QFileInfo::exists(ThumbnailPath(entry.thumbnail));
        if (usable && kept.Count() < FavoritesList::Capacity)
            kept.Append(entry.path, entry.thumbnail);
        else if (!entry.thumbnail.isEmpty())
            DeleteThumbnail(entry.thumbnail);
    }
    list = kept;
}

void FavoritesStore::Save(const FavoritesList& list) const {
    StoredFile::Replace(FileName(), FavoritesList::FormatFile(list.Paths()));
}

QSize FavoritesStore::ThumbnailSize(QSize picture) {
    if (picture.height() <= 0)
        return QSize(1, ThumbnailHeight);
    const double width =
        std::nearbyint(static_cast<double>(picture.width()) / picture.height() * ThumbnailHeight);
    return QSize(std::max(1, static_cast<int>(width)), ThumbnailHeight);
}

void FavoritesStore::MakeThumbnail(const QString& picture, const QString& name) const {
    MakeThumbnail(picture, name, 1);
}

void FavoritesStore::MakeThumbnail(const QString& picture, const QString& name, qreal ratio) const {
    const QSize size = PictureSizeCheck::ReadSize(picture);
    const QSize thumbnail = ThumbnailSize(size);
    const bool sharp = ratio > 1;
    // A large JPEG is decoded at the smallest scale that still covers the thumbnail.
    const QImage full = PictureFile::Load(picture, *PictureSizeCheck::KindByExtension(picture),
                                          sharp ? thumbnail * 2 : thumbnail);
    const QImage stretched = full.scaled(thumbnail, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    StoredFile::Replace(ThumbnailPath(name), JpegCodec::Encode(stretched, ThumbnailQuality,
                                                               FileNames::ToNative(picture)));
    const QString twin = SharpThumbnailPath(ThumbnailPath(name));
    if (sharp) {
        const QImage fine =
            full.scaled(thumbnail * 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        StoredFile::Replace(
            twin, JpegCodec::Encode(fine, ThumbnailQuality, FileNames::ToNative(picture)));
    } else {
        // A twin from an earlier scaled screen would show another picture's thumbnail.
        QFile::remove(twin);
    }
}

QString FavoritesStore::SharpThumbnailPath(const QString& thumbnailPath) {
    const qsizetype dot = thumbnailPath.lastIndexOf(QLatin1Char('.'));
    return thumbnailPath.left(dot) + QStringLiteral("@2x") + thumbnailPath.mid(dot);
}

void FavoritesStore::DeleteThumbnail(const QString& name) const {
    QFile::remove(ThumbnailPath(name));
    QFile::remove(SharpThumbnailPath(ThumbnailPath(name)));
}
