#include "picturedialog/FavoritesList.h"

#include <gtest/gtest.h>

TEST(FavoritesList, FileReadingAcceptsEveryLineEndAndALastLineWithoutOne) {
    EXPECT_EQ(FavoritesList::ParseFile("/a/x.jpg\r\n/b/y.jpg\n/c/z.jpg\r/d/ü.jpg"),
              QStringList({"/a/x.jpg", "/b/y.jpg", "/c/z.jpg", "/d/ü.jpg"}));
    EXPECT_EQ(FavoritesList::ParseFile("\r\n\r\n/a.jpg\r\n\n"), QStringList({"/a.jpg"}));
    EXPECT_TRUE(FavoritesList::ParseFile("").isEmpty());
}

TEST(FavoritesList, FileWritingEndsEveryLineWithCrLf) {
    EXPECT_EQ(FavoritesList::FormatFile({"/a/Bild.jpg", "/b/Straße.bmp"}),
              QByteArray("/a/Bild.jpg\r\n/b/Stra\xc3\x9f"
                         "e.bmp\r\n"));
    EXPECT_EQ(FavoritesList::FormatFile({}), QByteArray());
    // A name with a line break of its own would come back as two entries.
    EXPECT_EQ(FavoritesList::FormatFile({"/a/zwei\nZeilen.jpg", "/b.jpg"}),
              QByteArray("/b.jpg\r\n"));
}

TEST(FavoritesList, LimitIsTestedBeforeTheDuplicateWhichIgnoresCase) {
    FavoritesList list;
    list.Append("/c/a/BILD.JPG", "th_BILD.jpg");
    EXPECT_EQ(list.CheckAdd("/C/A/Bild.jpg"), FavoritesList::Refusal::Duplicate);
    EXPECT_EQ(list.CheckAdd("/c/a/Bild2.jpg"), FavoritesList::Refusal::None);
    EXPECT_EQ(list.CheckAdd("/c/a/Zeile\r.jpg"), FavoritesList::Refusal::Unstorable);
    for (int i = 1; i < FavoritesList::Capacity; ++i)
        list.Append(QString("/p/%1.jpg").arg(i), QString("th_%1.jpg").arg(i));
    EXPECT_EQ(list.Count(), 30);
    EXPECT_EQ(list.CheckAdd("/C/A/Bild.jpg"), FavoritesList::Refusal::Full);
    EXPECT_EQ(list.CheckAdd("/neu.jpg"), FavoritesList::Refusal::Full);
}

TEST(FavoritesList, ThumbnailNameReplacesTheExtension) {
    EXPECT_EQ(FavoritesList::PlainThumbnailName("/x/Haus.bmp"), "th_Haus.jpg");
    EXPECT_EQ(FavoritesList::PlainThumbnailName("/x/a.b.wmf"), "th_a.b.jpg");
    EXPECT_EQ(FavoritesList::PlainThumbnailName("/x/ohne"), "th_ohne.jpg");
}

TEST(FavoritesList, PicturesOfTheSameNameGetThumbnailsOfTheirOwn) {
    FavoritesList list;
    EXPECT_EQ(list.FreeThumbnailName("/x/a.jpg"), "th_a.jpg");
    list.Append("/x/a.jpg", "th_a.jpg");
    EXPECT_EQ(list.FreeThumbnailName("/y/a.bmp"), "th_a~2.jpg");
    list.Append("/y/a.bmp", "th_a~2.jpg");
    EXPECT_EQ(list.FreeThumbnailName("/z/a.wmf"), "th_a~3.jpg");
    // A name set free by a removal is taken again.
    list.RemoveAt(0);
    EXPECT_EQ(list.FreeThumbnailName("/z/a.wmf"), "th_a.jpg");
    EXPECT_EQ(list.At(0).path, "/y/a.bmp");
    // The suffix of a clash is no clash with a picture named like it.
    EXPECT_EQ(list.FreeThumbnailName("/w/a~2.jpg"), "th_a~2~2.jpg");
}
