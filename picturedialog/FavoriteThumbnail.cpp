#include "picturedialog/FavoriteThumbnail.h"

#include "platform/AppError.h"
#include "platform/ArtResources.h"
#include "platform/ArtScale.h"
#include "platform/JpegCodec.h"
#include "platform/RegularFile.h"

namespace FavoriteThumbnail {

namespace {

const QColor Blank(0xFA, 0xF4, 0xE2);

} // namespace

std::optional<QImage> Read(const QString& thumbnailPath, int scale) {
    try {
        RegularFile file(thumbnailPath);
        if (file.Size() > MaximumBytes)
            return std::nullopt;
        const QByteArray data = file.ReadAll(MaximumBytes);
        const QSize shown = FavoritesStore::ThumbnailSize(JpegCodec::ReadSize(data)) * scale;
        const QImage decoded = JpegCodec::Decode(data, shown);
        if (decoded.size() == shown)
            return decoded;
        return decoded.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    } catch (const AppError&) {
        return std::nullopt;
    }
}

QImage Load(const FavoritesStore& store, const FavoritesList::Entry& entry) {
    const qreal ratio = ArtResources::Ratio();
    const auto forScreen = [ratio](const QString& path) -> std::optional<QImage> {
        if (ratio > 1) {
            if (auto sharp = Read(FavoritesStore::SharpThumbnailPath(path), 2))
                return ArtScale::ToScreen(*sharp, sharp->size() / 2, ratio);
        }
        return Read(path);
    };
    if (!entry.thumbnail.isEmpty()) {
        const QString path = store.ThumbnailPath(entry.thumbnail);
        if (auto thumbnail = forScreen(path))
            return *thumbnail;
        try {
            store.MakeThumbnail(entry.path, entry.thumbnail, ratio);
            if (auto thumbnail = forScreen(path))
                return *thumbnail;
        } catch (const AppError&) {
        }
    }
    QImage blank(100, 100, QImage::Format_RGB888);
    blank.fill(Blank);
    return blank;
}

} // namespace FavoriteThumbnail
