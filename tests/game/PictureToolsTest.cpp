#include "game/PictureTools.h"

#include <gtest/gtest.h>

namespace {

QImage Filled(QColor colour, QImage::Format format = QImage::Format_RGB888) {
    QImage image(7, 3, format);
    image.fill(colour);
    return image;
}

} // namespace

TEST(AdjustBrightness, DarkensAndLightensThroughTheTableAndClamps) {
    QImage dark = Filled(QColor(10, 100, 255));
    PictureTools::AdjustBrightness(dark, -25);
    EXPECT_EQ(dark.pixelColor(6, 2), QColor(0, 75, 230));

    QImage light = Filled(QColor(10, 100, 240));
    PictureTools::AdjustBrightness(light, 25);
    EXPECT_EQ(light.pixelColor(0, 0), QColor(35, 125, 255));

    QImage same = Filled(QColor(10, 100, 240));
    PictureTools::AdjustBrightness(same, 0);
    EXPECT_EQ(same.pixelColor(3, 1), QColor(10, 100, 240));

    // Other formats are turned into 24-bit colour first.
    QImage converted = Filled(QColor(50, 50, 50), QImage::Format_ARGB32);
    PictureTools::AdjustBrightness(converted, -60);
    EXPECT_EQ(converted.format(), QImage::Format_RGB888);
    EXPECT_EQ(converted.pixelColor(0, 0), QColor(0, 0, 0));
}

TEST(WithShadow, AddsBlackColumnsAndRowsOnTheRightAndBottom) {
    const QImage picture = Filled(QColor(200, 10, 10));
    const QImage resting = PictureTools::WithShadow(picture, 1);
    ASSERT_EQ(resting.size(), QSize(8, 4));
    EXPECT_EQ(resting.pixelColor(6, 2), QColor(200, 10, 10));
    EXPECT_EQ(resting.pixelColor(7, 0), QColor(Qt::black));
    EXPECT_EQ(resting.pixelColor(0, 3), QColor(Qt::black));
    EXPECT_EQ(resting.pixelColor(7, 3), QColor(Qt::black));

    const QImage raised = PictureTools::WithShadow(picture, 2);
    ASSERT_EQ(raised.size(), QSize(9, 5));
    EXPECT_EQ(raised.pixelColor(8, 4), QColor(Qt::black));
    EXPECT_EQ(raised.pixelColor(7, 1), QColor(Qt::black));
}
