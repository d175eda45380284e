#include "platform/AppFolders.h"
#include "TestHome.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

TEST(AppFolders, FoldersLieInTheUsersHomeAndEndWithASlash) {
    EXPECT_EQ(AppFolders::SettingsDir(), TestHome::Path() + "/.config/Tessaly/");
    EXPECT_TRUE(AppFolders::DataDir().endsWith("/Tessaly/"));
    EXPECT_TRUE(AppFolders::DataDir().startsWith(TestHome::Path()));
    EXPECT_EQ(AppFolders::FavoritesDir("/x/Tessaly/"), "/x/Tessaly/Favoriten/");
    EXPECT_TRUE(AppFolders::ProgramDir().endsWith('/'));
}

TEST(AppFolders, SettingsFallBackToDotConfigWithoutXdgConfigHome) {
    const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
    qunsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(AppFolders::SettingsDir(), QDir::homePath() + "/.config/Tessaly/");
    qputenv("XDG_CONFIG_HOME", saved);
}

TEST(AppFolders, ForceFolderCreatesAllParentsAndReportsFailure) {
    const QString deep = TestHome::Path() + "/a/b/c/Tessaly/";
    EXPECT_TRUE(AppFolders::ForceFolder(deep));
    EXPECT_TRUE(QFileInfo(deep).isDir());
    EXPECT_TRUE(AppFolders::ForceFolder(deep)); // existing is fine

    // A file standing where a parent folder should be makes creation fail.
    QFile blocker(TestHome::Path() + "/blocker");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    EXPECT_FALSE(AppFolders::ForceFolder(TestHome::Path() + "/blocker/Tessaly/"));
}
