#include "picturedialog/PictureListing.h"
#include "HostileFiles.h"
#include "TestHome.h"
#include "platform/FileNames.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

QString FreshFolder(const QString& name) {
    const QString path = TestHome::Path() + "/listing/" + name + "/";
    QDir(path).removeRecursively();
    QDir().mkpath(path);
    return path;
}

void Touch(const QString& path, qint64 size = 0) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.resize(size);
}

QStringList Names(const std::vector<PictureEntry>& entries) {
    QStringList names;
    for (const PictureEntry& entry : entries)
        names << entry.name;
    return names;
}

} // namespace

TEST(PictureListing, WholeExtensionsOfKnownPicturesPassInAnyCase) {
    for (const char* name : {"a.bmp", "a.JPG", "photo.jpeg", "a.Jpeg", "a.wmf", "x.y.jpg", ".jpg",
                             "a.png", "a.WebP", "a.tif", "a.TIFF", "a.gif"})
        EXPECT_TRUE(PictureListing::IsPictureName(name)) << name;
    for (const char* name : {"notapicture.", "notes.b", "x.JP", "a.Bm", "a.j", "a.wm", "d",
                             "a.bmpx", "a.gjpg", "jpg", "a.jpg.txt"})
        EXPECT_FALSE(PictureListing::IsPictureName(name)) << name;
}

TEST(PictureListing, ListsPictureNamesHiddenFilesAndFoldersSorted) {
    const QString folder = FreshFolder("mixed");
    for (const char* name :
         {"a.JPG", "b.jpeg", "c.bm", "d", ".versteckt.jpg", "Zebra.bmp", "äpfel.jpg", "Birne.wmf"})
        Touch(folder + name);
    QDir().mkpath(folder + "x.wmf");
    QDir().mkpath(folder + "Ordner");
    const std::vector<PictureEntry> entries = PictureListing::ListPictureFiles(folder);
    EXPECT_EQ(Names(entries), QStringList({".versteckt.jpg", "a.JPG", "äpfel.jpg", "b.jpeg",
                                           "Birne.wmf", "x.wmf", "Zebra.bmp"}));
    EXPECT_TRUE(entries[5].isFolder);
    EXPECT_EQ(entries[5].size, 0);
    EXPECT_FALSE(entries[1].isFolder);
}

// Only regular files (and, by the rule of the list, folders) are listed: a FIFO or a link
// to a device is no picture, whatever its name. A name that is not UTF-8 is listed with
// its own bytes kept.
TEST(PictureListing, FifosAndDevicesAreLeftOutAndNamesOfAnyBytesKept) {
    const QString folder = FreshFolder("hostile");
    ASSERT_TRUE(HostileFiles::MakeFifo(folder + "x.jpg"));
    ASSERT_TRUE(QFile::link("/dev/zero", folder + "null.wmf"));
    ASSERT_TRUE(QFile::link(folder + "nirgends.bmp", folder + "tot.bmp"));
    const QString raw = HostileFiles::WriteRawName(folder, "caf\xE9.jpg", "123");
    Touch(folder + "echt.jpg");
    const std::vector<PictureEntry> entries = PictureListing::ListPictureFiles(folder);
    ASSERT_EQ(Names(entries).size(), 2) << Names(entries).join('|').toStdString();
    EXPECT_EQ(folder + entries[0].name, raw);
    EXPECT_EQ(FileNames::Displayed(entries[0].name), QStringLiteral("caf\uFFFD.jpg"));
    EXPECT_EQ(entries[0].size, 3);
    EXPECT_EQ(entries[1].name, "echt.jpg");
}

TEST(PictureListing, SizesAreSixtyFourBit) {
    const QString folder = FreshFolder("large");
    Touch(folder + "gross.jpg", qint64(3) << 30); // sparse: takes no room on the disk
    const std::vector<PictureEntry> entries = PictureListing::ListPictureFiles(folder);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].size, qint64(3) << 30);
}

TEST(PictureListing, FoldersWithoutHiddenOnesSortedWithoutRegardToCase) {
    const QString folder = FreshFolder("tree");
    for (const char* name : {"urlaub", ".cache", "Bilder", "archiv", "Zoo"})
        QDir().mkpath(folder + name);
    Touch(folder + "datei.jpg");
    EXPECT_EQ(PictureListing::FolderNames(folder),
              QStringList({"archiv", "Bilder", "urlaub", "Zoo"}));
}

TEST(PictureListing, OnlyFoldersAndLinksToFoldersAreFolders) {
    const QString folder = FreshFolder("links");
    QDir().mkpath(folder + "echt");
    ASSERT_TRUE(QFile::link(folder + "echt", folder + "verweis"));
    ASSERT_TRUE(QFile::link("/dev", folder + "geraete"));
    for (const char* device : {"/dev/null", "/dev/zero", "/dev/urandom"})
        ASSERT_TRUE(QFile::link(device, folder + QFileInfo(device).fileName()));
    ASSERT_EQ(mkfifo(QFile::encodeName(folder + "rohr").constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(folder + "rohr", folder + "rohrverweis"));
    ASSERT_TRUE(QFile::link(folder + "nirgends", folder + "kaputt"));
    EXPECT_EQ(PictureListing::FolderNames(folder), QStringList({"echt", "geraete", "verweis"}));
    EXPECT_TRUE(PictureListing::CanRead(folder + "verweis"));
    EXPECT_FALSE(PictureListing::CanRead(folder + "null"));
    EXPECT_FALSE(PictureListing::CanRead(folder + "nirgends"));
}

TEST(PictureListing, UnreadableOrMissingFolderGivesNothing) {
    EXPECT_TRUE(PictureListing::ListPictureFiles("/no/such/folder/").empty());
    EXPECT_TRUE(PictureListing::FolderNames("/no/such/folder/").isEmpty());
}

TEST(PictureListing, NamesDifferingOnlyInCaseKeepAFixedOrder) {
    QStringList names{"b.jpg", "B.jpg", "a.jpg", "A.jpg"};
    PictureListing::SortNames(names);
    EXPECT_EQ(names, QStringList({"A.jpg", "a.jpg", "B.jpg", "b.jpg"}));
}
