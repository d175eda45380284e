#include "picturedialog/FileListText.h"

#include <QLocale>
#include <gtest/gtest.h>

TEST(FileListText, SizesChangeUnitAtWholeKilobytesMegabytesAndGigabytes) {
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(FileListText::FormatFileSize(0, german), "0 Byte");
    EXPECT_EQ(FileListText::FormatFileSize(1023, german), "1023 Byte");
    EXPECT_EQ(FileListText::FormatFileSize(1024, german), "1,00 KB");
    EXPECT_EQ(FileListText::FormatFileSize(1536, german), "1,50 KB");
    EXPECT_EQ(FileListText::FormatFileSize(1048575, german), "1024,00 KB");
    EXPECT_EQ(FileListText::FormatFileSize(1048576, german), "1,00 MB");
    EXPECT_EQ(FileListText::FormatFileSize(qint64(1) << 30, german), "1,00 GB");
}

TEST(FileListText, FilesOfTwoGibibytesAndMoreShowTheirTrueSize) {
    const QLocale german(QLocale::German, QLocale::Germany);
    EXPECT_EQ(FileListText::FormatFileSize(qint64(3) << 30, german), "3,00 GB");
    EXPECT_EQ(FileListText::FormatFileSize((qint64(5000) << 30) + (qint64(1) << 29), german),
              "5000,50 GB");
}

TEST(FileListText, SeparatorFollowsTheLocale) {
    EXPECT_EQ(FileListText::FormatFileSize(1536, QLocale(QLocale::English)), "1.50 KB");
}

TEST(FileListText, ModifiedIsShortDateTwoSpacesAndTimeWithoutZone) {
    const QLocale german(QLocale::German, QLocale::Germany);
    const QDateTime modified(QDate(2025, 12, 24), QTime(18, 30, 5));
    const QString text = FileListText::FormatModified(modified, german);
    EXPECT_EQ(text, german.toString(modified.date(), QLocale::ShortFormat) + "  18:30:05");
    EXPECT_TRUE(text.startsWith("24.12."));
}

TEST(FileListText, TheTestsRunUnderGermanSettings) {
    // The chooser reads the player's locale; ctest gives these tests a German one.
    EXPECT_EQ(QLocale::system().decimalPoint(), ",");
    EXPECT_EQ(FileListText::FormatFileSize(1024, QLocale::system()), "1,00 KB");
}
