#include "platform/ProgramFiles.h"
#include "TestHome.h"
#include "platform/AppFolders.h"

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <gtest/gtest.h>

namespace {

void Touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

} // namespace

// A program in <root>/games finds its files in <root>/share/tessaly and <root>/lib/tessaly, and
// files beside it (the build folder) win over installed ones.
TEST(ProgramFiles, HelpFileAndLibrariesBesideTheProgramOrInstalled) {
    const QString root = TestHome::Path() + "/installed";
    QDir().mkpath(root + "/games");
    AppFolders::OverrideProgramDir(root + "/games");
    const auto restore = qScopeGuard([] { AppFolders::OverrideProgramDir({}); });

    EXPECT_EQ(ProgramFiles::InstalledDataDir(), root + "/share/tessaly/");
    EXPECT_EQ(ProgramFiles::InstalledLibraryDir(), root + "/lib/tessaly/");

    // Nothing anywhere: the name beside the program, so that the start-up can report it.
    EXPECT_EQ(ProgramFiles::HelpFile(), root + "/games/tessaly.html");
    EXPECT_EQ(ProgramFiles::Library("libtsaudio.so"), QString());

    Touch(root + "/share/tessaly/tessaly.html");
    Touch(root + "/lib/tessaly/libtsaudio.so");
    EXPECT_EQ(ProgramFiles::HelpFile(), root + "/share/tessaly/tessaly.html");
    EXPECT_EQ(ProgramFiles::Library("libtsaudio.so"), root + "/lib/tessaly/libtsaudio.so");

    Touch(root + "/games/tessaly.html");
    Touch(root + "/games/libtsaudio.so");
    EXPECT_EQ(ProgramFiles::HelpFile(), root + "/games/tessaly.html");
    EXPECT_EQ(ProgramFiles::Library("libtsaudio.so"), root + "/games/libtsaudio.so");

    // A folder of that name is no file.
    QDir().mkpath(root + "/games/libtsmotive.so");
    EXPECT_EQ(ProgramFiles::Library("libtsmotive.so"), QString());
}
