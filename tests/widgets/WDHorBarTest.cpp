#include "widgets/WDHorBar.h"
#include "WidgetProbe.h"
#include "platform/ArtResources.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

// Inside the arrow's face, away from its glyph.
const QPoint arrowSample(8, 2);

struct BarHost {
    QWidget form;
    TWDHorBar* bar;
    BarHost() {
        form.resize(300, 60);
        bar = new TWDHorBar(&form);
        bar->move(10, 10);
        bar->SetBarWidth(200);
        WidgetProbe::ShowWindow(&form);
    }

    QString LeftDrawn() { return WidgetProbe::DrawnState(bar, "WHB_LPOINT", "", arrowSample); }
    QString RightDrawn() {
        const QImage grabbed = bar->grab().toImage().copy(bar->width() - 16, 0, 16, 16);
        for (const char* state : {"NORM", "MOVE", "DOWN", "DISABLE"}) {
            const QImage bitmap = ArtResources::LoadSkin(QString("WHB_RPOINT") + state);
            if ((bitmap.pixel(arrowSample) | 0xff000000u) ==
                (grabbed.pixel(arrowSample) | 0xff000000u))
                return state;
        }
        return "?";
    }

    void Wheel(int delta, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        const QPointF inside(100, 8);
        QWheelEvent wheel(inside, bar->mapToGlobal(inside), QPoint(), QPoint(0, delta),
                          Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(bar, &wheel);
    }
};

} // namespace

TEST(TWDHorBar, PositionIsClampedAndEveryAssignmentRaisesOnChange) {
    TWDHorBar bar;
    QSignalSpy changes(&bar, &TWDHorBar::OnChange);
    bar.SetPosition(40);
    bar.SetPosition(40);
    EXPECT_EQ(changes.count(), 2);
    bar.SetPosition(500);
    EXPECT_EQ(bar.Position(), 100);
    bar.SetPosition(-3);
    EXPECT_EQ(bar.Position(), 0);
}

TEST(TWDHorBar, MinAndMaxKeepTheRangeValid) {
    TWDHorBar bar;
    QSignalSpy changes(&bar, &TWDHorBar::OnChange);
    bar.SetPosition(10);
    bar.SetMin(50);
    EXPECT_EQ(bar.Min(), 50);
    EXPECT_EQ(bar.Position(), 50);
    bar.SetMax(5); // not above Min
    EXPECT_EQ(bar.Max(), 100);
    bar.SetMin(100); // not below Max
    EXPECT_EQ(bar.Min(), 50);
    bar.SetPosition(90);
    bar.SetMax(60);
    EXPECT_EQ(bar.Position(), 60);
    EXPECT_EQ(changes.count(), 2); // only the two assignments of Position
    bar.SetStep(0);
    EXPECT_EQ(bar.Step(), 1);
    bar.SetTrack(-5);
    EXPECT_EQ(bar.Track(), 1);
}

TEST(TWDHorBar, NeverNarrowerThanTwoArrowsAndTheThumb) {
    BarHost host;
    host.bar->SetBarWidth(30);
    EXPECT_EQ(host.bar->BarWidth(), 52);
    host.bar->resize(20, 40); // as a form would place it
    host.bar->repaint();
    EXPECT_EQ(host.bar->size(), QSize(52, 16));
    host.bar->resize(150, 16);
    EXPECT_EQ(host.bar->BarWidth(), 150);
}

TEST(TWDHorBar, ThumbMovesWithThePosition) {
    BarHost host;
    const QImage thumb = ArtResources::LoadSkin("WHB_POS");
    const QPoint inThumb(10, 5);
    host.bar->SetPosition(0);
    EXPECT_EQ(WidgetProbe::DrawnPixel(host.bar, QPoint(16, 2) + inThumb), thumb.pixel(inThumb));
    host.bar->SetPosition(100);
    EXPECT_EQ(WidgetProbe::DrawnPixel(host.bar, QPoint(16 + 148, 2) + inThumb),
              thumb.pixel(inThumb));
    host.bar->SetPosition(50);
    EXPECT_EQ(WidgetProbe::DrawnPixel(host.bar, QPoint(16 + 74, 2) + inThumb),
              thumb.pixel(inThumb));

    // A huge range must not overflow into a thumb outside the bar.
    host.bar->SetMax(2000000000);
    host.bar->SetPosition(2000000000);
    EXPECT_EQ(WidgetProbe::DrawnPixel(host.bar, QPoint(16 + 148, 2) + inThumb),
              thumb.pixel(inThumb));
}

TEST(TWDHorBar, HoldingAnArrowStepsUntilTheEnd) {
    BarHost host;
    host.bar->SetPosition(6);
    host.bar->SetStep(2);
    host.bar->SetTrack(1);
    QTest::mousePress(host.bar, Qt::LeftButton, {}, QPoint(8, 8));
    EXPECT_EQ(host.bar->Position(), 4); // the first step comes at once, the rest while held
    QTRY_COMPARE(host.bar->Position(), 0);
    EXPECT_EQ(host.LeftDrawn(), "DISABLE");
    QTest::mouseRelease(host.bar, Qt::LeftButton, {}, QPoint(8, 8));
    EXPECT_EQ(host.LeftDrawn(), "DISABLE");
    EXPECT_EQ(host.bar->Step(), 2);
}

TEST(TWDHorBar, AShortClickOnAnArrowMovesOneStep) {
    BarHost host;
    host.bar->SetPosition(50);
    host.bar->SetStep(3);
    QTest::mouseClick(host.bar, Qt::LeftButton, {}, QPoint(8, 8));
    EXPECT_EQ(host.bar->Position(), 47);
    QTest::mouseClick(host.bar, Qt::LeftButton, {}, QPoint(192, 8));
    QTest::mouseClick(host.bar, Qt::LeftButton, {}, QPoint(192, 8));
    EXPECT_EQ(host.bar->Position(), 53);
}

TEST(TWDHorBar, ThumbIsDraggedAndTheTrackPagesTowardThePointer) {
    BarHost host; // 200 wide: the thumb travels 148 pixels over 0..100
    host.bar->SetStep(3);
    host.bar->SetPosition(0);
    QTest::mousePress(host.bar, Qt::LeftButton, {}, QPoint(26, 8)); // on the thumb
    QTest::mouseMove(host.bar, QPoint(26 + 74, 8));
    EXPECT_EQ(host.bar->Position(), 50);
    QTest::mouseMove(host.bar, QPoint(500, 8)); // beyond the bar: the end
    EXPECT_EQ(host.bar->Position(), 100);
    QTest::mouseMove(host.bar, QPoint(26 + 37, 8));
    QTest::mouseRelease(host.bar, Qt::LeftButton, {}, QPoint(26 + 37, 8));
    EXPECT_EQ(host.bar->Position(), 25);
    QTest::mouseMove(host.bar, QPoint(150, 8)); // no button: nothing is dragged
    EXPECT_EQ(host.bar->Position(), 25);

    // A page is a tenth of the range, or a Step if that is more.
    QTest::mouseClick(host.bar, Qt::LeftButton, {}, QPoint(150, 8));
    EXPECT_EQ(host.bar->Position(), 35);
    QTest::mouseClick(host.bar, Qt::LeftButton, {}, QPoint(50, 8));
    EXPECT_EQ(host.bar->Position(), 25);
    host.bar->SetStep(15);
    QTest::mouseClick(host.bar, Qt::LeftButton, {}, QPoint(150, 8));
    EXPECT_EQ(host.bar->Position(), 40);

    // Held, the track pages on until the thumb stands under the pointer.
    host.bar->SetStep(1);
    host.bar->SetTrack(1);
    host.bar->SetPosition(0);
    QTest::mousePress(host.bar, Qt::LeftButton, {}, QPoint(120, 8));
    QTRY_COMPARE(host.bar->Position(), 60);
    QTest::qWait(2 * TWDHorBar::RepeatDelay);
    EXPECT_EQ(host.bar->Position(), 60);
    QTest::mouseRelease(host.bar, Qt::LeftButton, {}, QPoint(120, 8));
}

TEST(TWDHorBar, ClicksBesideTheArrowsJumpAndLendTheDistanceToStep) {
    BarHost host;
    host.bar->SetStep(3);
    host.bar->SetPosition(40);
    int stepSeen = 0;
    QObject::connect(host.bar, &TWDHorBar::OnChange, [&] { stepSeen = host.bar->Step(); });

    QTest::mouseClick(host.bar, Qt::LeftButton, {}, QPoint(17, 8));
    EXPECT_EQ(host.bar->Position(), 0);
    EXPECT_EQ(stepSeen, 40);
    EXPECT_EQ(host.bar->Step(), 3);

    host.bar->SetPosition(40);
    QTest::mouseClick(host.bar, Qt::LeftButton, {}, QPoint(35, 8));
    EXPECT_EQ(host.bar->Position(), 0);
    QTest::mouseClick(host.bar, Qt::LeftButton, {}, QPoint(200 - 17, 8));
    EXPECT_EQ(host.bar->Position(), 100);
    EXPECT_EQ(stepSeen, 100);
    EXPECT_EQ(host.bar->Step(), 3);
    EXPECT_EQ(host.RightDrawn(), "DISABLE");
}

TEST(TWDHorBar, ArrowsFollowTheMouse) {
    BarHost host;
    host.bar->SetPosition(50);
    QTest::mouseMove(host.bar, QPoint(8, 8));
    EXPECT_EQ(host.LeftDrawn(), "MOVE");
    EXPECT_EQ(host.RightDrawn(), "NORM");
    QTest::mouseMove(host.bar, QPoint(195, 8));
    EXPECT_EQ(host.LeftDrawn(), "NORM");
    EXPECT_EQ(host.RightDrawn(), "MOVE");
    host.bar->SetPosition(0);
    EXPECT_EQ(host.LeftDrawn(), "DISABLE");
    // Moved away from the end by a key: the left arrow is usable again and looks it.
    host.bar->SetPosition(1);
    EXPECT_NE(host.LeftDrawn(), "DISABLE");
}

TEST(TWDHorBar, ClickTakesTheFocusAndShowsTheFocusedThumb) {
    BarHost host;
    QSignalSpy clicks(host.bar, &TWDHorBar::OnClick);
    host.bar->SetPosition(50);
    QTest::mouseClick(host.bar, Qt::LeftButton, {}, QPoint(100, 8));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_TRUE(host.bar->hasFocus());
    const QPoint inThumb(10, 1);
    const QRgb focused = ArtResources::LoadSkin("WHB_FOCUS").pixel(inThumb);
    ASSERT_NE(focused, ArtResources::LoadSkin("WHB_POS").pixel(inThumb));
    EXPECT_EQ(WidgetProbe::DrawnPixel(host.bar, QPoint(16 + 74, 2) + inThumb), focused);
}

TEST(TWDHorBar, KeysStepAndJump) {
    BarHost host;
    host.bar->SetPosition(50);
    host.bar->SetStep(5);
    host.bar->setFocus();
    QTest::keyClick(host.bar, Qt::Key_Left);
    EXPECT_EQ(host.bar->Position(), 45);
    QTest::keyClick(host.bar, Qt::Key_Right);
    QTest::keyClick(host.bar, Qt::Key_Right);
    EXPECT_EQ(host.bar->Position(), 55);
    QTest::keyClick(host.bar, Qt::Key_Down);
    EXPECT_EQ(host.bar->Position(), 100);
    QTest::keyClick(host.bar, Qt::Key_Up);
    EXPECT_EQ(host.bar->Position(), 0);
    EXPECT_EQ(host.bar->Step(), 5);
}

TEST(TWDHorBar, WithoutKeyScrollTheArrowKeysMoveTheFocus) {
    BarHost host;
    auto* next = new TWDHorBar(&host.form);
    next->move(10, 40);
    next->show();
    host.bar->SetKeyScroll(false);
    host.bar->SetPosition(50);
    host.form.activateWindow();
    host.bar->setFocus();
    ASSERT_TRUE(host.bar->hasFocus());
    QTest::keyClick(host.bar, Qt::Key_Down);
    EXPECT_EQ(host.bar->Position(), 50);
    EXPECT_TRUE(next->hasFocus());
}

TEST(TWDHorBar, WheelNotchesAddUpAndModifiersBlock) {
    BarHost host;
    host.bar->SetPosition(50);
    host.bar->SetStep(2);
    host.Wheel(120);
    EXPECT_EQ(host.bar->Position(), 52);
    host.Wheel(-60);
    EXPECT_EQ(host.bar->Position(), 52);
    host.Wheel(-60);
    EXPECT_EQ(host.bar->Position(), 50);
    host.Wheel(-120, Qt::ControlModifier);
    EXPECT_EQ(host.bar->Position(), 50);
    host.bar->SetWheelScroll(false);
    host.Wheel(120);
    EXPECT_EQ(host.bar->Position(), 50);
}
