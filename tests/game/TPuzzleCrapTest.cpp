#include "game/TPuzzleCrap.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

struct Table {
    Table() {
        area.setGeometry(0, 0, 400, 300);
        area.show();
        piece = new TPuzzleCrap(&area);
        QImage picture(40, 30, QImage::Format_RGB888);
        picture.fill(QColor(20, 160, 90));
        piece->move(100, 50);
        piece->SetImageIdle(picture);
        piece->show();
    }
    QWidget area;
    TPuzzleCrap* piece;
};

} // namespace

TEST(TPuzzleCrap, FirstShowBuildsShadowsAndShiftsByTwoPixels) {
    Table table;
    EXPECT_FALSE(table.piece->FirstPaint());
    EXPECT_EQ(table.piece->geometry(), QRect(102, 52, 41, 31));
    EXPECT_EQ(table.piece->ImageResting().size(), QSize(41, 31));
    EXPECT_EQ(table.piece->ImageRaised().size(), QSize(42, 32));
    EXPECT_EQ(table.piece->ImagePlain().size(), QSize(40, 30));

    const QImage shown = table.piece->grab().toImage();
    EXPECT_EQ(shown.pixelColor(0, 0), QColor(20, 160, 90));
    EXPECT_EQ(shown.pixelColor(40, 10), QColor(Qt::black));
    EXPECT_EQ(shown.pixelColor(10, 30), QColor(Qt::black));
}

TEST(TPuzzleCrap, PressLiftsAndReleaseWithoutMoveLeavesThePieceWhereItWas) {
    Table table;
    QSignalSpy downs(table.piece, &TPuzzleCrap::OnMouseDown);
    QSignalSpy ups(table.piece, &TPuzzleCrap::OnMouseUp);

    QTest::mousePress(table.piece, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(table.piece->Pressed());
    EXPECT_EQ(table.piece->geometry(), QRect(100, 50, 42, 32));
    EXPECT_EQ(downs.count(), 1);

    QTest::mouseRelease(table.piece, Qt::LeftButton, {}, QPoint(12, 12));
    EXPECT_FALSE(table.piece->Pressed());
    EXPECT_EQ(table.piece->geometry(), QRect(102, 52, 41, 31));
    ASSERT_EQ(ups.count(), 1);
    // The release is answered with the point of the press.
    EXPECT_EQ(ups.at(0).at(3).toPoint(), QPoint(10, 10));
}

TEST(TPuzzleCrap, DraggingKeepsTheGrabOffsetUnderThePointer) {
    Table table;
    QTest::mousePress(table.piece, Qt::LeftButton, {}, QPoint(10, 10));
    // Pointer at area (112, 62) after the lift; move it by (+50, +30).
    QMouseEvent move(QEvent::MouseMove, QPointF(62, 42), table.piece->mapToGlobal(QPointF(62, 42)),
                     Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(table.piece, &move);
    EXPECT_EQ(table.piece->pos(), QPoint(150, 80));
    QTest::mouseRelease(table.piece, Qt::LeftButton, {}, QPoint(12, 12));
    EXPECT_EQ(table.piece->pos(), QPoint(152, 82));
    EXPECT_FALSE(table.piece->Pressed());
}

TEST(TPuzzleCrap, RightButtonNeitherLiftsNorMovesAPiece) {
    Table table;
    QSignalSpy downs(table.piece, &TPuzzleCrap::OnMouseDown);
    QTest::mousePress(table.piece, Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_FALSE(table.piece->Pressed());
    EXPECT_EQ(table.piece->pos(), QPoint(102, 52));
    QTest::mouseRelease(table.piece, Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_EQ(downs.count(), 0);
    EXPECT_EQ(table.piece->pos(), QPoint(102, 52));
}

TEST(TPuzzleCrap, CardIsLiftedByAnyButtonAndNeverDragged) {
    Table table;
    table.piece->SetDraggable(false);
    QTest::mousePress(table.piece, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_TRUE(table.piece->Pressed());
    QMouseEvent move(QEvent::MouseMove, QPointF(60, 40), table.piece->mapToGlobal(QPointF(60, 40)),
                     Qt::RightButton, Qt::RightButton, {});
    QApplication::sendEvent(table.piece, &move);
    EXPECT_EQ(table.piece->pos(), QPoint(100, 50));
    QTest::mouseRelease(table.piece, Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_EQ(table.piece->pos(), QPoint(102, 52));
}
