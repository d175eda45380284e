#include <QApplication>
#include <QFontInfo>
#include <QIcon>
#include <QLineEdit>
#include <QMenu>
#include <gtest/gtest.h>
#include <memory>

TEST(Startup, WindowFontsResolveToMetricCompatibleFamilies) {
    QFont serif("Times New Roman");
    serif.setPixelSize(15);
    EXPECT_EQ(QFontInfo(serif).family(), "Liberation Serif");
    EXPECT_EQ(QFontInfo(serif).pixelSize(), 15);

    QFont sans("Tahoma");
    EXPECT_EQ(QFontInfo(sans).family(), "DejaVu Sans");
    EXPECT_FALSE(QFontInfo(sans).fixedPitch());

    // Points are taken at 96 dpi: 10 pt are 13 pixels.
    QFont points("Times New Roman", 10);
    EXPECT_EQ(QFontInfo(points).pixelSize(), 13);
}

TEST(Startup, QtsOwnTextsAreGerman) {
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), "Abbrechen");
    QLineEdit edit;
    std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    QStringList texts;
    for (QAction* action : menu->actions())
        texts << action->text();
    EXPECT_TRUE(texts.join('|').contains("Einf&ügen")) << texts.join('|').toStdString();
}

TEST(Startup, WindowsCarryTheIconAtEveryMenuSize) {
    const QIcon icon = QApplication::windowIcon();
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        EXPECT_EQ(icon.actualSize(QSize(size, size)), QSize(size, size)) << size;
        EXPECT_TRUE(icon.availableSizes().contains(QSize(size, size))) << size;
        // The piece stands on a transparent ground: corners clear, the middle opaque.
        const QImage picture = icon.pixmap(QSize(size, size)).toImage();
        EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0) << size;
        EXPECT_EQ(qAlpha(picture.pixel(size - 1, 0)), 0) << size;
        EXPECT_EQ(qAlpha(picture.pixel(size * 4 / 10, size * 6 / 10)), 255) << size;
    }
    EXPECT_EQ(QGuiApplication::desktopFileName(), "tessaly");
}
