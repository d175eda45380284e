#pragma once
// A favorite's thumbnail as the strip shows it: decoded at a reduced scale straight to its
// display size, and made anew from the picture when the stored file is missing, damaged or
// far larger than any thumbnail the program writes.

#include "picturedialog/FavoritesList.h"
#include "picturedialog/FavoritesStore.h"

#include <QImage>
#include <QString>
#include <optional>

namespace FavoriteThumbnail {

// A thumbnail the program writes takes a few kilobytes; one above this is not read.
inline constexpr qint64 MaximumBytes = 4 * 1024 * 1024;

// The thumbnail file at 100 pixels high (its width in proportion) times `scale`, or nothing
// when it is missing, no regular file, larger than MaximumBytes or no readable JPEG.
std::optional<QImage> Read(const QString& thumbnailPath, int scale = 1);

// The entry's thumbnail for the screen: on a scaled screen its twin of twice the pixels
// where there is one. When the stored one cannot be used, a new one is made from the
// picture and stored. When neither works, an empty square that still takes clicks and the
// popup menu.
QImage Load(const FavoritesStore& store, const FavoritesList::Entry& entry);

} // namespace FavoriteThumbnail
