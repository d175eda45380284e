#include "storage/Windows1252.h"

#include <gtest/gtest.h>

TEST(Windows1252, EveryByteSurvivesARoundTrip) {
    QByteArray all;
    for (int byte = 0; byte < 256; ++byte)
        all += static_cast<char>(byte);
    const QString text = Windows1252::Decode(all);
    EXPECT_EQ(text.size(), 256);
    EXPECT_EQ(text[0x80], QChar(0x20AC));
    EXPECT_EQ(text[0xFC], QChar(u'ü'));
    EXPECT_EQ(Windows1252::Encode(text, 256), all);
}

TEST(Windows1252, EncodingCountsCharactersAndMarksMissingOnes) {
    EXPECT_EQ(Windows1252::Encode(QStringLiteral("Łódź €"), 10), QByteArray("?\xF3"
                                                                            "d? \x80"));
    EXPECT_EQ(Windows1252::Encode(QStringLiteral("😀😀ab"), 3), QByteArray("??a"));
}

TEST(Windows1252, MixedFilesDecodeUtf8AndTakeTheRestAsWindows1252) {
    using Windows1252::DecodeUtf8OrWindows1252;
    EXPECT_EQ(DecodeUtf8OrWindows1252("K\xC3\xA4se K\xE4se"), QStringLiteral("Käse Käse"));
    EXPECT_EQ(DecodeUtf8OrWindows1252("\xF0\x9F\x98\x80"), QStringLiteral("😀"));
    // Overlong forms, encoded surrogates and cut sequences are no UTF-8.
    EXPECT_EQ(DecodeUtf8OrWindows1252("\xC0\xAF"), QStringLiteral("À¯"));
    EXPECT_EQ(DecodeUtf8OrWindows1252("\xED\xA0\x80"), QStringLiteral("í\u00A0€"));
    EXPECT_EQ(DecodeUtf8OrWindows1252("a\xE2\x82"), QStringLiteral("aâ‚"));
    EXPECT_EQ(DecodeUtf8OrWindows1252("\xF4\x90\x80\x80"), QStringLiteral("ô\u0090€€"));
}

TEST(Windows1252, AByteOrderMarkIsACharacterLikeAnyOther) {
    EXPECT_EQ(Windows1252::DecodeUtf8OrWindows1252("\xEF\xBB\xBF"), QStringLiteral("\uFEFF"));
    EXPECT_EQ(Windows1252::DecodeUtf8OrWindows1252("a\xEF\xBB\xBF\xF0\x9F\x98\x80"),
              QStringLiteral("a\uFEFF\U0001F600"));
}
