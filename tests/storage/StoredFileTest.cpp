#include "StorageTestFolder.h"

#include "platform/AppError.h"
#include "storage/StoredFile.h"

#include <QDir>
#include <csignal>
#include <sys/resource.h>

namespace {

// Lets the process write files of at most `bytes` bytes, as a nearly full disk does: a
// write beyond it fails with an error instead of ending the process.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved);
        previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);
    }

private:
    rlimit saved{};
    void (*previousHandler)(int) = nullptr;
};

class StoredFileTest : public StorageTestFolder {
protected:
    QStringList Files() const {
        return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
};

} // namespace

TEST_F(StoredFileTest, WriteThatRunsOutOfSpaceKeepsTheOldFileAndReportsIt) {
    const QString name = PathOf(QStringLiteral("tessaly.dat"));
    const QByteArray before(1500, 'A');
    WriteBytes(name, before);
    {
        FileSizeLimit full(1000);
        try {
            StoredFile::Replace(name, QByteArray(1500, 'N'));
            ADD_FAILURE() << "the failed write was reported as success";
        } catch (const AppError& error) {
            EXPECT_EQ(error.Message(), StoredFile::WriteErrorText(name));
        }
    }
    EXPECT_EQ(ReadBytes(name), before);
    EXPECT_EQ(Files(), QStringList{QStringLiteral("tessaly.dat")});
    // With room again the same write goes through.
    StoredFile::Replace(name, QByteArray(1500, 'N'));
    EXPECT_EQ(ReadBytes(name), QByteArray(1500, 'N'));
}
TEST_F(StoredFileTest, ReplacingKeepsTheFilesPermissionsAndWritesThroughALink) {
    const QString real = PathOf(QStringLiteral("echt.dat"));
    const QString link = PathOf(QStringLiteral("tessaly.dat"));
    WriteBytes(real, "alt");
    const auto permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    ASSERT_TRUE(QFile::setPermissions(real, permissions));
    ASSERT_TRUE(QFile::link(real, link));

    StoredFile::Replace(link, "neu");

    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(ReadBytes(real), "neu");
    const QFileDevice::Permissions user =
        QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser;
    EXPECT_EQ(QFileInfo(real).permissions() & ~user, permissions);
    EXPECT_EQ(Files(), QStringList({"echt.dat", "tessaly.dat"}));
}

TEST_F(StoredFileTest, LeftoversOfAnInterruptedSaveAreRemovedAndNothingElse) {
    const QString ini = PathOf(QStringLiteral("tessaly.ini"));
    WriteBytes(ini, "[PLAYER]\n");
    const QStringList leftovers = {".~tessaly-tessaly.ini.tmp", ".~tessaly-tessaly.dat.tmp",
                                   ".~tessaly-th_Haus.jpg.tmp"};
    for (const QString& name : leftovers)
        WriteBytes(PathOf(name), "half");
    // The player's own copies, however they are named, and names that only look alike.
    const QStringList others = {"tessaly.dat.backup",        "tessaly.mem.2024v1",
                                "Favorite.dat.orig12",       "tessaly.ini.a1B2c3",
                                "tessaly.ini.bak",           ".~tessaly-.tmp",
                                ".~Tessaly-tessaly.ini.tmp", ".~tessaly-tessaly.ini.tmp.1",
                                "x.~tessaly-tessaly.ini.tmp"};
    for (const QString& name : others)
        WriteBytes(PathOf(name), "keep");
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral(".~tessaly-Ordner.tmp")));

    StoredFile::RemoveLeftovers(folder.path());

    QStringList expected = others + QStringList{QStringLiteral("tessaly.ini")};
    expected.sort();
    EXPECT_EQ(Files(), expected);
    EXPECT_TRUE(QFileInfo(PathOf(QStringLiteral(".~tessaly-Ordner.tmp"))).isDir());
    EXPECT_EQ(ReadBytes(ini), "[PLAYER]\n");
    // What Replace() leaves behind when it is cut short is exactly such a name.
    EXPECT_EQ(StoredFile::TemporaryName(QStringLiteral("tessaly.ini")), leftovers.first());
}
