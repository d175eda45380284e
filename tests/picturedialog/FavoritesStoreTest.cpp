#include "picturedialog/FavoritesStore.h"
#include "TestHome.h"
#include "picturedialog/PictureReach.h"
#include "platform/AppError.h"
#include "platform/JpegCodec.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class FavoritesStoreTest : public testing::Test {
protected:
    void SetUp() override {
        root = TestHome::Path() + "/store/";
        QDir(root).removeRecursively();
        folder = root + "Favoriten/";
        QDir().mkpath(folder);
    }

    QString Picture(const QString& relative, QSize size) {
        const QString path = root + relative;
        QDir().mkpath(QFileInfo(path).path());
        QImage image(size, QImage::Format_RGB888);
        image.fill(QColor(200, 120, 40));
        EXPECT_TRUE(image.save(path, path.endsWith(".bmp") ? "BMP" : "JPG"));
        return path;
    }

    void WriteFile(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray ReadFile(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QString root;
    QString folder;
};

} // namespace

TEST_F(FavoritesStoreTest, ThumbnailIsAHundredPixelsHighAndNamesItsPicture) {
    const FavoritesStore store(folder);
    const QString wide = Picture("x/Haus.jpg", QSize(800, 600));
    const QString tall = Picture("y/Turm.bmp", QSize(400, 500));
    store.MakeThumbnail(wide, "th_Haus.jpg");
    store.MakeThumbnail(tall, "th_Turm.jpg");
    EXPECT_EQ(QImage(folder + "th_Haus.jpg").size(), QSize(133, 100));
    EXPECT_EQ(QImage(folder + "th_Turm.jpg").size(), QSize(80, 100));
    EXPECT_EQ(FavoritesStore::ThumbnailOwner(folder + "th_Haus.jpg"), wide);
    // Halves go to the even neighbour: 250 / 400 * 100 = 62.5.
    EXPECT_EQ(FavoritesStore::ThumbnailSize(QSize(250, 400)), QSize(62, 100));
    EXPECT_EQ(FavoritesStore::ThumbnailSize(QSize(270, 400)), QSize(68, 100));
}

TEST_F(FavoritesStoreTest, PictureThatCannotBeReadWritesNoThumbnail) {
    const FavoritesStore store(folder);
    WriteFile(root + "kaputt.jpg", "kein Bild");
    EXPECT_THROW(store.MakeThumbnail(root + "kaputt.jpg", "th_kaputt.jpg"), AppError);
    EXPECT_FALSE(QFile::exists(folder + "th_kaputt.jpg"));
}

TEST_F(FavoritesStoreTest, SavedListIsLoadedAgainWithItsThumbnails) {
    const FavoritesStore store(folder);
    FavoritesList list;
    for (const char* name : {"a/Eins.jpg", "b/Zwei.bmp"}) {
        const QString path = Picture(name, QSize(600, 600));
        const QString thumbnail = list.FreeThumbnailName(path);
        store.MakeThumbnail(path, thumbnail);
        list.Append(path, thumbnail);
    }
    store.Save(list);
    EXPECT_EQ(ReadFile(store.FileName()),
              (root + "a/Eins.jpg\r\n" + root + "b/Zwei.bmp\r\n").toUtf8());
    const FavoritesList loaded = store.Load();
    ASSERT_EQ(loaded.Count(), 2);
    EXPECT_EQ(loaded.At(0).path, root + "a/Eins.jpg");
    EXPECT_EQ(loaded.At(1).thumbnail, "th_Zwei.jpg");
}

TEST_F(FavoritesStoreTest, NoFileGivesAnEmptyListAndAnEmptyListAnEmptyFile) {
    const FavoritesStore store(folder);
    EXPECT_TRUE(store.Load().IsEmpty());
    store.Save(FavoritesList());
    EXPECT_TRUE(QFile::exists(store.FileName()));
    EXPECT_EQ(QFileInfo(store.FileName()).size(), 0);
}

TEST_F(FavoritesStoreTest, StaleEntriesAreDroppedAndTheirThumbnailsDeleted) {
    const FavoritesStore store(folder);
    const QString kept = Picture("Bleibt.jpg", QSize(600, 600));
    const QString gone = Picture("Weg.jpg", QSize(600, 600));
    const QString bare = Picture("OhneBild.jpg", QSize(600, 600));
    store.MakeThumbnail(kept, "th_Bleibt.jpg");
    store.MakeThumbnail(gone, "th_Weg.jpg");
    QFile::remove(gone);
    WriteFile(store.FileName(), (gone + "\r\n" + kept + "\n" + bare + "\r\n").toUtf8());
    const FavoritesList loaded = store.Load();
    ASSERT_EQ(loaded.Count(), 1);
    EXPECT_EQ(loaded.At(0).path, kept);
    EXPECT_FALSE(QFile::exists(folder + "th_Weg.jpg"));
    EXPECT_TRUE(QFile::exists(folder + "th_Bleibt.jpg"));
}

TEST_F(FavoritesStoreTest, PicturesOutOfReachAreKeptWithTheirThumbnails) {
    const FavoritesStore store(folder);
    // A stick that is unplugged takes its folder away; a share that is not mounted leaves its
    // mount point empty; a link into the stick points nowhere while it is away.
    const QString onStick = Picture("stick/Urlaub/Strand.jpg", QSize(600, 600));
    const QString onShare = Picture("mnt/nas/Berg.jpg", QSize(600, 600));
    const QString linked = root + "Verweise/Strand.jpg";
    QDir().mkpath(root + "Verweise");
    ASSERT_TRUE(QFile::link(onStick, linked));
    const QString deleted = Picture("hier/Weg.jpg", QSize(600, 600));
    Picture("hier/Bleibt.jpg", QSize(600, 600));
    FavoritesList list;
    for (const QString& path : {onStick, onShare, linked, deleted}) {
        const QString thumbnail = list.FreeThumbnailName(path);
        store.MakeThumbnail(path, thumbnail);
        list.Append(path, thumbnail);
    }
    store.Save(list);
    ASSERT_TRUE(QDir().rename(root + "stick", root + "stick.abgezogen"));
    QFile::remove(onShare);
    QFile::remove(deleted);

    const FavoritesList loaded = store.Load();
    EXPECT_EQ(loaded.Paths(), QStringList({onStick, onShare, linked}));
    EXPECT_TRUE(QFile::exists(folder + "th_Strand.jpg"));
    EXPECT_TRUE(QFile::exists(folder + "th_Strand~2.jpg"));
    EXPECT_TRUE(QFile::exists(folder + "th_Berg.jpg"));
    EXPECT_FALSE(QFile::exists(folder + "th_Weg.jpg"));
    EXPECT_EQ(PictureReach::Of(onStick), PictureReach::State::Unreachable);
    EXPECT_EQ(PictureReach::Of(deleted), PictureReach::State::Gone);

    // Plugged in again, the picture is there as before.
    ASSERT_TRUE(QDir().rename(root + "stick.abgezogen", root + "stick"));
    EXPECT_EQ(PictureReach::Of(onStick), PictureReach::State::Present);
    EXPECT_EQ(PictureReach::Of(linked), PictureReach::State::Present);
}

TEST_F(FavoritesStoreTest, LongNamesGetShortThumbnailNamesThatKeepApart) {
    const FavoritesStore store(folder);
    // 251 bytes + ".jpg": the longest names a folder can hold, alike but for their ends.
    const QString first = Picture("lang/" + QString(250, 'L') + "1.jpg", QSize(600, 600));
    const QString second = Picture("lang/" + QString(123, QChar(0xE4)) + "2.jpg", QSize(800, 600));
    const QString third = Picture("lang/" + QString(250, 'L') + "3.jpg", QSize(400, 500));
    FavoritesList list;
    for (const QString& path : {first, second, third}) {
        const QString thumbnail = list.FreeThumbnailName(path);
        EXPECT_LE(thumbnail.toUtf8().size(), 120) << thumbnail.toStdString();
        ASSERT_NO_THROW(store.MakeThumbnail(path, thumbnail));
        list.Append(path, thumbnail);
    }
    EXPECT_EQ(list.At(2).thumbnail, "th_" + QString(100, 'L') + "~2.jpg");
    store.Save(list);

    const FavoritesList loaded = store.Load();
    ASSERT_EQ(loaded.Count(), 3);
    EXPECT_EQ(QImage(folder + loaded.At(0).thumbnail).size(), QSize(100, 100));
    EXPECT_EQ(QImage(folder + loaded.At(1).thumbnail).size(), QSize(133, 100));
    EXPECT_EQ(QImage(folder + loaded.At(2).thumbnail).size(), QSize(80, 100));
    EXPECT_EQ(FavoritesStore::ThumbnailOwner(folder + loaded.At(2).thumbnail), third);
}

TEST_F(FavoritesStoreTest, ThumbnailWithoutItsPicturesNameFromAnOlderListStillLoads) {
    const FavoritesStore store(folder);
    const QString path = Picture("alt/Bild.jpg", QSize(600, 600));
    QImage thumbnail(100, 100, QImage::Format_RGB888);
    thumbnail.fill(Qt::blue);
    WriteFile(folder + "th_Bild.jpg", JpegCodec::Encode(thumbnail, 100));
    WriteFile(store.FileName(), (path + "\r\n").toUtf8());
    const FavoritesList loaded = store.Load();
    ASSERT_EQ(loaded.Count(), 1);
    EXPECT_EQ(loaded.At(0).thumbnail, "th_Bild.jpg");
}

TEST_F(FavoritesStoreTest, PicturesOfTheSameNameKeepApartAcrossStarts) {
    const FavoritesStore store(folder);
    const QString first = Picture("x/a.jpg", QSize(600, 600));
    const QString second = Picture("y/a.bmp", QSize(800, 600));
    FavoritesList list;
    for (const QString& path : {first, second}) {
        const QString thumbnail = list.FreeThumbnailName(path);
        store.MakeThumbnail(path, thumbnail);
        list.Append(path, thumbnail);
    }
    EXPECT_EQ(list.At(1).thumbnail, "th_a~2.jpg");
    store.Save(list);

    FavoritesList loaded = store.Load();
    ASSERT_EQ(loaded.Count(), 2);
    EXPECT_EQ(loaded.At(0).thumbnail, "th_a.jpg");
    EXPECT_EQ(loaded.At(1).thumbnail, "th_a~2.jpg");

    // Removing the first leaves the second its own thumbnail, also when the program is
    // killed before the list is written again.
    store.DeleteThumbnail(loaded.At(0).thumbnail);
    loaded.RemoveAt(0);
    const FavoritesList afterKill = store.Load();
    ASSERT_EQ(afterKill.Count(), 1);
    EXPECT_EQ(afterKill.At(0).path, second);
    EXPECT_EQ(QImage(folder + afterKill.At(0).thumbnail).size(), QSize(133, 100));
    store.Save(loaded);
    ASSERT_EQ(store.Load().Count(), 1);
}

TEST_F(FavoritesStoreTest, ThumbnailNamingAnotherPictureIsNotTaken) {
    const FavoritesStore store(folder);
    const QString mine = Picture("mein/a.jpg", QSize(600, 600));
    const QString other = Picture("fremd/a.jpg", QSize(600, 600));
    store.MakeThumbnail(other, "th_a.jpg");
    WriteFile(store.FileName(), (mine + "\r\n").toUtf8());
    EXPECT_TRUE(store.Load().IsEmpty());
    // It belongs to no entry of this list, so cleaning leaves it alone.
    EXPECT_TRUE(QFile::exists(folder + "th_a.jpg"));
}

TEST_F(FavoritesStoreTest, MoreThanThirtyEntriesKeepTheFirstThirty) {
    const FavoritesStore store(folder);
    QByteArray file;
    for (int i = 1; i <= 32; ++i) {
        const QString path = Picture(QString("viele/%1.jpg").arg(i), QSize(40, 40));
        store.MakeThumbnail(path, QString("th_%1.jpg").arg(i));
        file += (path + "\r\n").toUtf8();
    }
    WriteFile(store.FileName(), file);
    const FavoritesList loaded = store.Load();
    ASSERT_EQ(loaded.Count(), 30);
    EXPECT_EQ(loaded.At(29).thumbnail, "th_30.jpg");
    EXPECT_FALSE(QFile::exists(folder + "th_31.jpg"));
}

TEST_F(FavoritesStoreTest, ReadOnlyListIsNotReplaced) {
    const FavoritesStore store(folder);
    WriteFile(store.FileName(), "/alt.jpg\r\n");
    QFile::setPermissions(store.FileName(), QFileDevice::ReadOwner);
    FavoritesList list;
    list.Append("/neu.jpg", "th_neu.jpg");
    EXPECT_THROW(store.Save(list), AppError);
    QFile::setPermissions(store.FileName(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(ReadFile(store.FileName()), "/alt.jpg\r\n");
}

// Saves `list` in a child process that may write only `limit` bytes into any file, as on a
// full disk, and reports whether the save raised its error.
bool SaveOnFullDisk(const FavoritesStore& store, const FavoritesList& list, rlim_t limit) {
    const pid_t child = fork();
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit small{limit, limit};
        setrlimit(RLIMIT_FSIZE, &small);
        try {
            store.Save(list);
        } catch (const AppError&) {
            _exit(1);
        }
        _exit(0);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 1;
}

TEST_F(FavoritesStoreTest, FullDiskLeavesTheOldListWhole) {
    const FavoritesStore store(folder);
    WriteFile(store.FileName(), "/alt.jpg\r\n");
    FavoritesList list;
    // Thirty long paths, more than the file's write buffer holds.
    for (int i = 0; i < 30; ++i)
        list.Append("/" + QString(700, QChar('a' + i % 26)) + ".jpg", "th.jpg");
    EXPECT_TRUE(SaveOnFullDisk(store, list, 1000));
    EXPECT_EQ(ReadFile(store.FileName()), "/alt.jpg\r\n");
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), QStringList({"Favorite.dat"}));
}

// A short list would stay in a write buffer until the replacement is committed; the full
// disk must show before the old list is replaced all the same.
TEST_F(FavoritesStoreTest, ShortListOnFullDiskLeavesTheOldListWhole) {
    const FavoritesStore store(folder);
    WriteFile(store.FileName(), "/alt.jpg\r\n");
    FavoritesList list;
    list.Append("/" + QString(300, 'b') + ".jpg", "th.jpg");
    EXPECT_TRUE(SaveOnFullDisk(store, list, 100));
    EXPECT_EQ(ReadFile(store.FileName()), "/alt.jpg\r\n");
}
