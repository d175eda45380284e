#pragma once
// The favorites on disk: Favorite.dat and the thumbnail files beside it. Loads and cleans
// the list, writes a thumbnail as a picture is added and deletes it as it goes, and saves
// the list in one piece.
//
// Each thumbnail carries the path of its picture in a JPEG comment, so that pictures of
// the same name from different folders keep thumbnails of their own ("th_a.jpg",
// "th_a~2.jpg") and still find them at the next start. A thumbnail without that comment
// (from a list written before) belongs to the first favorite whose plain name it has.

#include "picturedialog/FavoritesList.h"

#include <QSize>
#include <QString>

class FavoritesStore {
public:
    // `folder` ends with "/".
    explicit FavoritesStore(const QString& folder) : folder(folder) {}

    QString FileName() const { return folder + QStringLiteral("Favorite.dat"); }
    QString ThumbnailPath(const QString& name) const { return folder + name; }

    // Favorite.dat with each entry's thumbnail found; then CleanFavorites. No file gives
    // an empty list. A file that cannot be read raises an AppError.
    FavoritesList Load() const;

    // Keeps, in order, the entries that have their thumbnail and whose picture is not gone
    // (the first 30 of them); the others are dropped and their thumbnails deleted. A picture
    // on a volume or in a folder that is not there now is kept (see PictureReach).
    void CleanFavorites(FavoritesList& list) const;

    // Replaces Favorite.dat with the list, all or nothing. Raises an AppError naming the
    // file when it cannot be written; the old file then stays as it was.
    void Save(const FavoritesList& list) const;

    // Writes the thumbnail `name` of the picture, replacing a file of that name. Raises an
    // AppError when the picture cannot be read or the file cannot be written.
    void MakeThumbnail(const QString& picture, const QString& name) const;

    // On a scaled screen (ratio above 1) a second thumbnail of twice the pixels is written
    // beside it, "th_a@2x.jpg" beside "th_a.jpg"; the one of 100 pixels stays as it is.
    void MakeThumbnail(const QString& picture, const QString& name, qreal ratio) const;
    static QString SharpThumbnailPath(const QString& thumbnailPath);

    // Deletes the thumbnail file and its sharper twin, if there are; a failure is ignored.
    void DeleteThumbnail(const QString& name) const;

    // 100 pixels high and w / h * 100 wide (rounded, halves to the even neighbour).
    static QSize ThumbnailSize(QSize picture);

    // The picture path a thumbnail file names in its comment; empty when it names none or
    // cannot be read.
    static QString ThumbnailOwner(const QString& thumbnailPath);

private:
    QString folder;
};
