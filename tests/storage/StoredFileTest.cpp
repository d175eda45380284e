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
