// Fuzz target: loading the favorites. The input up to its first zero byte is Favorite.dat,
// the rest the thumbnail of a favorite whose picture exists, so that both the list and the
// path a thumbnail names in its JPEG comment come from the input. The list must load without
// crashing, keep at most 30 entries none of which is known to be gone, and survive being
// written and read back.

#include "picturedialog/FavoritesList.h"
#include "picturedialog/FavoritesStore.h"
#include "picturedialog/PictureReach.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

namespace {

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        std::abort();
    file.write(bytes);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir home;
    static const QString folder = home.path() + QStringLiteral("/Favoriten/");
    static const QString picture = home.path() + QStringLiteral("/x.jpg");
    static const bool prepared = [] {
        QDir().mkpath(folder);
        Write(picture, "a picture that is never decoded while loading");
        return true;
    }();
    (void)prepared;

    const QByteArray input(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const qsizetype split = input.indexOf('\0');
    const QByteArray list = split < 0 ? input : input.left(split);
    const QByteArray thumbnail = split < 0 ? QByteArray() : input.mid(split + 1);

    // The parser alone: what it reads, it writes back the same.
    const QStringList paths = FavoritesList::ParseFile(list);
    if (FavoritesList::ParseFile(FavoritesList::FormatFile(paths)) != paths)
        std::abort();

    for (const QString& name : QDir(folder).entryList(QDir::Files))
        QFile::remove(folder + name);
    Write(folder + QStringLiteral("Favorite.dat"), list + "\r\n" + picture.toUtf8() + "\r\n");
    Write(folder + QStringLiteral("th_x.jpg"), thumbnail);

    const FavoritesStore store(folder);
    const FavoritesList loaded = store.Load();
    if (loaded.Count() > FavoritesList::Capacity)
        std::abort();
    for (int i = 0; i < loaded.Count(); ++i)
        if (PictureReach::Of(loaded.At(i).path) == PictureReach::State::Gone ||
            loaded.At(i).thumbnail.isEmpty())
            std::abort();
    store.Save(loaded);
    if (store.Load().Paths() != loaded.Paths())
        std::abort();
    return 0;
}
