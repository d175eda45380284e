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
TEST_F(StoredFileTest, LeftoversOfAnInterruptedSaveAreRemovedAndNothingElse) {
    const QString ini = PathOf(QStringLiteral("tessaly.ini"));
    const QString dat = PathOf(QStringLiteral("tessaly.dat"));
    WriteBytes(ini, "[PLAYER]\n");
    for (const char* name : {"tessaly.ini.a1B2c3", "tessaly.dat.XyZ789", "tessaly.mem.000000"})
        WriteBytes(PathOf(QString::fromLatin1(name)), "half");
    // Names that only look alike belong to someone else.
    const QStringList others = {"tessaly.ini.bak", "tessaly.ini.a1B2c3d", "tessaly.ini.a1-2c3",
                                "xtessaly.ini.a1B2c3", "tessaly.dat.a1B2c"};
    for (const QString& name : others)
        WriteBytes(PathOf(name), "keep");
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("tessaly.dat.FOLDER")));

    StoredFile::RemoveLeftovers(ini);
    StoredFile::RemoveLeftovers(dat);
    StoredFile::RemoveLeftovers(PathOf(QStringLiteral("tessaly.mem")));

    QStringList expected = others + QStringList{QStringLiteral("tessaly.ini")};
    expected.sort();
    EXPECT_EQ(Files(), expected);
    EXPECT_TRUE(QFileInfo(PathOf(QStringLiteral("tessaly.dat.FOLDER"))).isDir());
    EXPECT_EQ(ReadBytes(ini), "[PLAYER]\n");
}
