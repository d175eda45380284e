#include "game/BoardGeometry.h"

#include <gtest/gtest.h>

using namespace BoardGeometry;

TEST(BoardGeometry, BoardStandsTenPixelsFromTheRightEdge) {
    EXPECT_EQ(BoardRect(BoardWidth(QSize(400, 500))), QRect(454, 10, 400, 500));
    EXPECT_EQ(BoardRect(BoardWidth(QSize(700, 500))), QRect(154, 10, 700, 500));
    // 800 x 600 -> 666.67 -> 667; a half rounds to the even neighbour.
    EXPECT_EQ(BoardWidth(QSize(800, 600)), 667);
    EXPECT_EQ(BoardWidth(QSize(401, 1000)), 200); // 200.5
    EXPECT_EQ(BoardWidth(QSize(403, 1000)), 202); // 201.5
}

TEST(BoardGeometry, PictureRulesCheckTheSizeBeforeTheFormat) {
    EXPECT_EQ(CheckPicture(QSize(400, 500)), PictureVerdict::Accepted);
    EXPECT_EQ(CheckPicture(QSize(700, 500)), PictureVerdict::Accepted);
    EXPECT_EQ(CheckPicture(QSize(702, 500)), PictureVerdict::WrongFormat);
    EXPECT_EQ(CheckPicture(QSize(399, 600)), PictureVerdict::TooSmall);
    EXPECT_EQ(CheckPicture(QSize(2000, 499)), PictureVerdict::TooSmall);
    // 701 x 500 rounds to 701: refused; 1401 x 1000 gives 700.5 -> 700: accepted.
    EXPECT_EQ(CheckPicture(QSize(701, 500)), PictureVerdict::WrongFormat);
    EXPECT_EQ(CheckPicture(QSize(1401, 1000)), PictureVerdict::Accepted);
    EXPECT_EQ(CheckPicture(QSize(0, 0)), PictureVerdict::TooSmall);
}

TEST(BoardGeometry, PreviewKeepsTheProportions) {
    EXPECT_EQ(PreviewSize(QSize(800, 600)), QSize(120, 90));
    EXPECT_EQ(PreviewSize(QSize(500, 1000)), QSize(60, 120));
    EXPECT_EQ(PreviewSize(QSize(500, 500)), QSize(120, 120));
}

TEST(BoardGeometry, PiecesAreCutInReadingOrderAndTheRemainderIsLeftOver) {
    EXPECT_EQ(PieceSize(QSize(500, 500), 3), QSize(166, 166));
    const auto origins = PieceOrigins(QSize(500, 500), 3);
    ASSERT_EQ(origins.size(), 9u);
    EXPECT_EQ(origins[0], QPoint(0, 0));
    EXPECT_EQ(origins[2], QPoint(332, 0));
    EXPECT_EQ(origins[3], QPoint(0, 166));
    EXPECT_EQ(origins[8], QPoint(332, 332)); // the last 2 pixels of each side stay uncut

    const auto many = PieceOrigins(QSize(667, 500), 8);
    ASSERT_EQ(many.size(), 64u);
    EXPECT_EQ(PieceSize(QSize(667, 500), 8), QSize(83, 62));
    EXPECT_EQ(many[63], QPoint(7 * 83, 7 * 62));
}

TEST(BoardGeometry, GridLinesLeaveOutTheOuterEdges) {
    EXPECT_EQ(GridLines(500, 166), (std::vector<int>{166, 332}));
    EXPECT_EQ(GridLines(300, 100), (std::vector<int>{100, 200}));
    // The first line is drawn even on a board narrower than two cells.
    EXPECT_EQ(GridLines(150, 100), (std::vector<int>{100}));
}
