#include "picturedialog/FavoritesList.h"

#include "platform/FileNames.h"

#include <QFileInfo>
#include <algorithm>

namespace {

bool HasLineBreak(const QString& path) {
    return path.contains(QLatin1Char('\r')) || path.contains(QLatin1Char('\n'));
}

} // namespace

QStringList FavoritesList::Paths() const {
    QStringList paths;
    for (const Entry& entry : entries)
        paths << entry.path;
    return paths;
}

bool FavoritesList::Contains(const QString& path) const {
    return std::any_of(entries.begin(), entries.end(), [&](const Entry& entry) {
        return entry.path.compare(path, Qt::CaseInsensitive) == 0;
    });
}

FavoritesList::Refusal FavoritesList::CheckAdd(const QString& path) const {
    if (Count() >= Capacity)
        return Refusal::Full;
    if (Contains(path))
        return Refusal::Duplicate;
    if (HasLineBreak(path))
        return Refusal::Unstorable;
    return Refusal::None;
}

void FavoritesList::Append(const QString& path, const QString& thumbnail) {
    entries.push_back({path, thumbnail});
}

void FavoritesList::RemoveAt(int index) {
    if (index < 0 || index >= Count())
        return;
    entries.erase(entries.begin() + index);
}

// "th_" + the picture's name without its extension, cut to LongestNamePart bytes: a name
// near the system's limit of 255 bytes would leave no room for "th_", and folders on some
// file systems (an encrypted home folder) take no more than about 140 bytes. The cut never
// splits a character.
QString FavoritesList::ThumbnailBase(const QString& path) {
    QString name = QFileInfo(path).completeBaseName();
    while (name.toUtf8().size() > LongestNamePart) {
        name.chop(1);
        if (!name.isEmpty() && name.back().isHighSurrogate())
            name.chop(1);
    }
    return QStringLiteral("th_") + name;
}

QString FavoritesList::PlainThumbnailName(const QString& path) {
    return ThumbnailBase(path) + QStringLiteral(".jpg");
}

QStringList FavoritesList::ThumbnailNameCandidates(const QString& path) {
    const QString base = ThumbnailBase(path);
    QStringList names{base + QStringLiteral(".jpg")};
    // With 30 favorites at most, 29 others can hold a name: one of these is always free.
    for (int n = 2; n <= Capacity + 1; ++n)
        names << base + QStringLiteral("~%1.jpg").arg(n);
    return names;
}

QString FavoritesList::FreeThumbnailName(const QString& path) const {
    const QStringList candidates = ThumbnailNameCandidates(path);
    for (const QString& name : candidates)
        if (!ThumbnailInUse(name))
            return name;
    return candidates.last();
}

bool FavoritesList::ThumbnailInUse(const QString& name) const {
    return std::any_of(entries.begin(), entries.end(),
                       [&](const Entry& entry) { return entry.thumbnail == name; });
}

QStringList FavoritesList::ParseFile(const QByteArray& bytes) {
    QStringList paths;
    qsizetype start = 0;
    const qsizetype size = bytes.size();
    while (start < size) {
        qsizetype end = start;
        while (end < size && bytes[end] != '\r' && bytes[end] != '\n')
            ++end;
        if (end > start)
            paths << FileNames::FromNative(QByteArray(bytes.constData() + start, end - start));
        if (end + 1 < size && bytes[end] == '\r' && bytes[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return paths;
}

QByteArray FavoritesList::FormatFile(const QStringList& paths) {
    QByteArray bytes;
    for (const QString& path : paths)
        if (!HasLineBreak(path))
            bytes += FileNames::ToNative(path) + "\r\n";
    return bytes;
}
