#pragma once
// The player's favorites as a list: up to 30 picture paths in the order they were added,
// each with the name of its thumbnail file, and the text format of Favorite.dat.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

class FavoritesList {
public:
    static constexpr int Capacity = 30;

    struct Entry {
        QString path;
        QString thumbnail; // file name inside the favorites folder, e.g. "th_Haus.jpg"
    };

    // Why a picture may not be added. The limit is tested before the duplicate. A path
    // with a line break in it could not be stored in Favorite.dat, one path a line.
    enum class Refusal { None, Full, Duplicate, Unstorable };

    int Count() const { return static_cast<int>(entries.size()); }
    bool IsEmpty() const { return entries.empty(); }
    const Entry& At(int index) const { return entries.at(static_cast<std::size_t>(index)); }
    QStringList Paths() const;

    // Whole paths compared without regard to letter case.
    bool Contains(const QString& path) const;
    Refusal CheckAdd(const QString& path) const;

    void Append(const QString& path, const QString& thumbnail);
    void RemoveAt(int index);
    void Clear() { entries.clear(); }

    // "th_" + the file name with its extension replaced by ".jpg": D:/x/Haus.bmp gives
    // "th_Haus.jpg". A name longer than LongestNamePart bytes is cut to that; pictures whose
    // cut names agree keep apart like pictures of the same name do (FreeThumbnailName), and
    // each thumbnail still names its picture in full inside (FavoritesStore).
    static QString PlainThumbnailName(const QString& path);
    static constexpr int LongestNamePart = 100;

    // The thumbnail name for a picture about to be added: the plain name, unless another
    // favorite already uses it, then "th_Haus~2.jpg", "th_Haus~3.jpg" ... (the first one
    // free), so that pictures of the same name in different folders keep apart.
    QString FreeThumbnailName(const QString& path) const;

    // Every name FreeThumbnailName could give for `path`, in the order it tries them.
    static QStringList ThumbnailNameCandidates(const QString& path);

    // Favorite.dat: UTF-8, one path a line (a name that is not UTF-8 keeps its own bytes). Reading
    // accepts CR, LF and CR LF and a last line without an end, and skips empty lines; writing ends
    // every line with CR LF and leaves out a path that holds a line break of its own.
    static QStringList ParseFile(const QByteArray& bytes);
    static QByteArray FormatFile(const QStringList& paths);

private:
    static QString ThumbnailBase(const QString& path);
    bool ThumbnailInUse(const QString& name) const;

    std::vector<Entry> entries;
};
