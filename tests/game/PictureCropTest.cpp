#include "game/PictureCrop.h"
#include "game/BoardGeometry.h"

#include <QPainter>
#include <gtest/gtest.h>

// The section is the widest whose board is at most 700 wide, with the board's own
// rounding (halves to even), cut equally from both sides.
TEST(PictureCrop, CentreIsTheWidestSectionTheBoardTakes) {
    EXPECT_EQ(PictureCrop::CentreSection(QSize(6000, 4000)), QRect(198, 0, 5604, 4000));
    EXPECT_EQ(BoardGeometry::BoardWidth(QSize(5604, 4000)), 700); // 700.5 rounds to even
    EXPECT_EQ(BoardGeometry::BoardWidth(QSize(5605, 4000)), 701);
    EXPECT_EQ(PictureCrop::CentreSection(QSize(4000, 2250)), QRect(424, 0, 3152, 2250));
    EXPECT_EQ(BoardGeometry::BoardWidth(QSize(3152, 2250)), 700);
    EXPECT_EQ(BoardGeometry::BoardWidth(QSize(3153, 2250)), 701);
    EXPECT_EQ(PictureCrop::CentreSection(QSize(702, 500)), QRect(1, 0, 700, 500));
    // A picture that fits keeps its whole width.
    EXPECT_EQ(PictureCrop::CentreSection(QSize(700, 500)), QRect(0, 0, 700, 500));
    EXPECT_EQ(PictureCrop::CentreSection(QSize(400, 500)), QRect(0, 0, 400, 500));
}

// The preview of a picture that would be offered its centre shows the cut-away strips
// darker; other previews stay as they are.
TEST(PictureCrop, PreviewDarkensOnlyTheStripsThatWouldBeCut) {
    QImage preview(120, 80, QImage::Format_RGB888);
    preview.fill(QColor(200, 200, 200));
    PictureCrop::DarkenCutAway(preview, QSize(6000, 4000));
    EXPECT_LT(preview.pixelColor(2, 40).red(), 120);   // left strip: 198 of 6000 is ~4 pixels
    EXPECT_LT(preview.pixelColor(117, 40).red(), 120); // right strip
    EXPECT_EQ(preview.pixelColor(60, 40), QColor(200, 200, 200));
    EXPECT_EQ(preview.pixelColor(5, 40), QColor(200, 200, 200));

    QImage fitting(120, 90, QImage::Format_RGB888);
    fitting.fill(QColor(200, 200, 200));
    const QImage before = fitting;
    PictureCrop::DarkenCutAway(fitting, QSize(4000, 3000));
    EXPECT_EQ(fitting, before);
    PictureCrop::DarkenCutAway(fitting, QSize(390, 100)); // too small: refused, not offered
    EXPECT_EQ(fitting, before);
}
