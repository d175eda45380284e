#include "platform/FileNames.h"

#include <gtest/gtest.h>

// Every byte string comes back unchanged, valid UTF-8 reads as text, and the kept bytes show
// as replacement characters.
TEST(FileNames, AnyBytesComeBackUnchangedAndShowWithTheReplacementCharacter) {
    const QByteArray cases[] = {
        "caf\xE9.jpg",          // Latin-1
        "\xC3\xA4pfel.jpg",     // valid UTF-8: äpfel
        "\xED\xB3\xA9.jpg",     // an encoded surrogate is no UTF-8
        "\xC0\xAF.jpg",         // an overlong slash
        "\xF0\x9F\x98\x80.png", // a character beyond the basic plane
        "\xF0\x9F\x98.jpg",     // the same cut short
        "\xFF\xFE\x80",         // nothing but stray bytes
        "",
    };
    for (const QByteArray& bytes : cases) {
        const QString name = FileNames::FromNative(bytes);
        EXPECT_EQ(FileNames::ToNative(name), bytes) << bytes.toHex().toStdString();
        const QString shown = FileNames::Displayed(name);
        EXPECT_FALSE(FileNames::HasKeptBytes(shown));
        EXPECT_EQ(FileNames::ToNative(shown), shown.toUtf8());
    }
    EXPECT_EQ(FileNames::FromNative("\xC3\xA4pfel.jpg"), QStringLiteral("äpfel.jpg"));
    EXPECT_FALSE(FileNames::HasKeptBytes(FileNames::FromNative("\xF0\x9F\x98\x80.png")));
    EXPECT_EQ(FileNames::Displayed(FileNames::FromNative("caf\xE9.jpg")),
              QStringLiteral("caf\uFFFD.jpg"));
    EXPECT_EQ(FileNames::Displayed(FileNames::FromNative("\xF0\x9F\x98.jpg")),
              QStringLiteral("\uFFFD\uFFFD\uFFFD.jpg"));
}
