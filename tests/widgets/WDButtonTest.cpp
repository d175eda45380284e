#include "widgets/WDButton.h"
#include "WidgetProbe.h"
#include "platform/ArtResources.h"
#include "widgets/DialogKeys.h"
#include "widgets/WDTOBU.h"
#include "widgets/WDWinButton.h"

#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using WidgetProbe::DrawnState;

namespace {

// A point of the push button's face that the caption never covers.
const QPoint faceSample(6, 13);

struct ButtonHost {
    QWidget form;
    TWDButton* button;
    ButtonHost() {
        form.resize(300, 200);
        button = new TWDButton(&form);
        button->move(50, 50);
        button->SetCaption(QStringLiteral("OK"));
        WidgetProbe::ShowWindow(&form);
    }
};

} // namespace

TEST(TWDButton, StateBitmapsDifferWhereTheTestsLook) {
    // Guards the sampling below: every state must be recognisable at the sample point.
    const std::pair<const char*, QPoint> sets[] = {
        {"WOB_%1", faceSample}, {"WOB_%12", faceSample},  {"WOB_%13", faceSample},
        {"WTB_%1", {6, 2}},     {"WDW_CLOSE_%1", {6, 2}}, {"WDW_MIN_%1", {6, 2}}};
    for (const auto& [set, point] : sets) {
        QSet<QRgb> colours;
        for (const char* state : {"NORM", "MOVE", "DOWN", "DISABLE"}) {
            const QImage bitmap = ArtResources::LoadSkin(QString::fromLatin1(set).arg(state));
            ASSERT_FALSE(bitmap.isNull()) << set << state;
            colours.insert(bitmap.pixel(point));
        }
        EXPECT_EQ(colours.size(), 4) << set;
    }
}

TEST(TWDButton, HoverPressAndReleaseInsideClickOnce) {
    ButtonHost host;
    QSignalSpy clicks(host.button, &TWDButton::OnClick);
    EXPECT_EQ(DrawnState(host.button, "WOB_", "", faceSample), "NORM");

    QTest::mouseMove(host.button, QPoint(40, 13));
    EXPECT_EQ(DrawnState(host.button, "WOB_", "", faceSample), "MOVE");
    QTest::mousePress(host.button, Qt::LeftButton, {}, QPoint(40, 13));
    EXPECT_EQ(DrawnState(host.button, "WOB_", "", faceSample), "DOWN");
    EXPECT_EQ(clicks.count(), 0);
    QTest::mouseRelease(host.button, Qt::LeftButton, {}, QPoint(40, 13));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(DrawnState(host.button, "WOB_", "", faceSample), "MOVE");
}

TEST(TWDButton, PressMoveOutAndReleaseDoesNotClick) {
    ButtonHost host;
    QSignalSpy clicks(host.button, &TWDButton::OnClick);
    QTest::mouseMove(host.button, QPoint(40, 13));
    QTest::mousePress(host.button, Qt::LeftButton, {}, QPoint(40, 13));
    QTest::mouseMove(host.button, QPoint(120, 13));
    // Outside while held: NORM bitmap, but the caption keeps the pressed colour.
    EXPECT_EQ(DrawnState(host.button, "WOB_", "", faceSample), "NORM");
    QTest::mouseRelease(host.button, Qt::LeftButton, {}, QPoint(120, 13));
    EXPECT_EQ(clicks.count(), 0);
}

TEST(TWDButton, DisabledButtonKeepsItsLookAndNeverClicks) {
    ButtonHost host;
    host.button->SetEnabled(false);
    host.button->SetDefault(true);
    host.button->SetCancel(true);
    DialogKeys::Install(&host.form);
    QSignalSpy clicks(host.button, &TWDButton::OnClick);

    QTest::mouseMove(host.button, QPoint(40, 13));
    EXPECT_EQ(DrawnState(host.button, "WOB_", "", faceSample), "DISABLE");
    QTest::mousePress(host.button, Qt::LeftButton, {}, QPoint(40, 13));
    EXPECT_EQ(DrawnState(host.button, "WOB_", "", faceSample), "DISABLE");
    QTest::mouseRelease(host.button, Qt::LeftButton, {}, QPoint(40, 13));
    QTest::keyClick(&host.form, Qt::Key_Return);
    QTest::keyClick(&host.form, Qt::Key_Escape);
    host.button->Click();
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_TRUE(host.button->Disabled());

    host.button->SetEnabled(true);
    host.button->Click();
    EXPECT_EQ(clicks.count(), 1);
}

TEST(TWDButton, DownedLatchDrawsPressedWithoutTheMouse) {
    ButtonHost host;
    host.button->SetDowned(true);
    EXPECT_EQ(DrawnState(host.button, "WOB_", "", faceSample), "DOWN");
    host.button->SetEnabled(false);
    EXPECT_EQ(DrawnState(host.button, "WOB_", "", faceSample), "DISABLE");
}

TEST(TWDButton, StyleForcesItsSizeAndBitmapSet) {
    ButtonHost host;
    EXPECT_EQ(host.button->size(), QSize(84, 26));
    host.button->SetStyle(TStyle::s100x80);
    host.button->resize(84, 26); // as a form would place it
    host.button->repaint();
    EXPECT_EQ(host.button->size(), QSize(100, 80));
    EXPECT_EQ(DrawnState(host.button, "WOB_", "3", faceSample), "NORM");
    host.button->SetStyle(TStyle::s110x32);
    EXPECT_EQ(host.button->size(), QSize(110, 32));
}

TEST(TWDButton, CaptionIsCentredInItsColour) {
    ButtonHost host;
    host.button->SetCaption(QStringLiteral("IIIIIIII"));
    const QImage drawn = host.button->grab().toImage();
    // Light caption pixels appear around the middle and not at the left end.
    int light = 0;
    for (int x = 20; x < 64; ++x)
        for (int y = 5; y < 21; ++y)
            light += QColor(drawn.pixel(x, y)).red() > 200;
    EXPECT_GT(light, 10);
    EXPECT_EQ(QColor(drawn.pixel(faceSample)).red() > 200, false);
}

TEST(DialogKeys, EnterAndEscapeReachTheDefaultAndCancelButtons) {
    QWidget form;
    auto* ok = new TWDButton(&form);
    auto* inner = new QWidget(&form); // buttons inside inner panels take part too
    auto* cancel = new TWDWinButton(inner);
    ok->SetDefault(true);
    cancel->SetCancel(true);
    DialogKeys::Install(&form);
    QSignalSpy okClicks(ok, &TWDButton::OnClick);
    QSignalSpy cancelClicks(cancel, &TWDWinButton::OnClick);

    QTest::keyClick(&form, Qt::Key_Return);
    EXPECT_EQ(okClicks.count(), 1);
    EXPECT_EQ(cancelClicks.count(), 0);
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_EQ(okClicks.count(), 1);
    EXPECT_EQ(cancelClicks.count(), 1);
    QTest::keyClick(&form, Qt::Key_Space);
    EXPECT_EQ(okClicks.count() + cancelClicks.count(), 2);

    // One button with both flags takes both keys.
    ok->SetCancel(true);
    QTest::keyClick(&form, Qt::Key_Escape);
    EXPECT_EQ(okClicks.count(), 2);
    EXPECT_EQ(cancelClicks.count(), 1);
}

TEST(TWDWinButton, DrawsItsTypeAndClicks) {
    QWidget form;
    form.resize(100, 100);
    auto* button = new TWDWinButton(&form);
    button->setGeometry(30, 30, 40, 40);
    WidgetProbe::ShowWindow(&form);
    EXPECT_EQ(button->size(), QSize(20, 20));
    EXPECT_EQ(DrawnState(button, "WDW_CLOSE_", "", {6, 2}), "NORM");
    button->SetButtonType(TButtonType::btMinimize);
    EXPECT_EQ(DrawnState(button, "WDW_MIN_", "", {6, 2}), "NORM");
    QSignalSpy clicks(button, &TWDWinButton::OnClick);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks.count(), 1);
}

namespace {

struct ToolBar {
    QWidget form;
    TWDToBu* button;
    ToolBar() {
        form.resize(200, 100);
        button = new TWDToBu(&form);
        button->move(10, 10);
        button->SetPicIdle(WidgetProbe::TestIcon());
        button->SetHotKey(TBHotKey::Alt_M);
        DialogKeys::Install(&form);
        WidgetProbe::ShowWindow(&form);
    }
};

} // namespace

TEST(TWDToBu, HotKeyClicksOnlyWithAltAndOnlyWhenUsable) {
    ToolBar bar;
    QSignalSpy clicks(bar.button, &TWDToBu::OnClick);
    QTest::keyClick(&bar.form, Qt::Key_M, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 1);
    QTest::keyClick(&bar.form, Qt::Key_M);
    EXPECT_EQ(clicks.count(), 1);
    QTest::keyClick(&bar.form, Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 1);

    bar.button->SetEnabled(false);
    QTest::keyClick(&bar.form, Qt::Key_M, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 1);
    bar.button->SetEnabled(true);
    bar.button->hide();
    QTest::keyClick(&bar.form, Qt::Key_M, Qt::AltModifier);
    EXPECT_EQ(clicks.count(), 1);
}

TEST(TWDToBu, HotKeyIsNotConsumed) {
    ToolBar bar;
    auto* second = new TWDToBu(&bar.form);
    second->SetHotKey(TBHotKey::Alt_M);
    second->show();
    QSignalSpy first(bar.button, &TWDToBu::OnClick);
    QSignalSpy other(second, &TWDToBu::OnClick);
    QTest::keyClick(&bar.form, Qt::Key_M, Qt::AltModifier);
    EXPECT_EQ(first.count(), 1);
    EXPECT_EQ(other.count(), 1);
}

TEST(TWDToBu, FunctionKeyHotKeys) {
    EXPECT_EQ(TWDToBu::KeyOf(TBHotKey::None), 0);
    EXPECT_EQ(TWDToBu::KeyOf(TBHotKey::Alt_F1), Qt::Key_F1);
    EXPECT_EQ(TWDToBu::KeyOf(TBHotKey::Alt_F10), Qt::Key_F10);
    EXPECT_EQ(TWDToBu::KeyOf(TBHotKey::Alt_A), Qt::Key_A);
    EXPECT_EQ(TWDToBu::KeyOf(TBHotKey::Alt_Z), Qt::Key_Z);

    ToolBar bar;
    bar.button->SetHotKey(TBHotKey::Alt_F10);
    QSignalSpy clicks(bar.button, &TWDToBu::OnClick);
    QTest::keyClick(&bar.form, Qt::Key_F10); // F10 counts as a dialog key without Alt
    EXPECT_EQ(clicks.count(), 1);
}

TEST(TWDToBu, DownedButtonShowsPressedBitmapAndDarkenedIcon) {
    ToolBar bar;
    const QPoint iconSample(15, 15);
    const QPoint frameSample(6, 2);
    const QRgb bright = WidgetProbe::DrawnPixel(bar.button, iconSample);
    EXPECT_EQ(QColor(bright), QColor(200, 150, 100));
    EXPECT_EQ(DrawnState(bar.button, "WTB_", "", frameSample), "NORM");
    // The icon's magenta background lets the button show through.
    EXPECT_NE(QColor(WidgetProbe::DrawnPixel(bar.button, {5, 5})), QColor(255, 0, 255));

    bar.button->SetDowned(true);
    EXPECT_EQ(DrawnState(bar.button, "WTB_", "", frameSample), "DOWN");
    EXPECT_EQ(QColor(WidgetProbe::DrawnPixel(bar.button, iconSample)), QColor(140, 90, 40));
    EXPECT_NE(QColor(WidgetProbe::DrawnPixel(bar.button, {5, 5})), QColor(195, 0, 195));
}

TEST(TWDToBu, DarkeningStopsAtZero) {
    QImage icon(2, 1, QImage::Format_RGB888);
    icon.setPixelColor(0, 0, QColor(10, 70, 255));
    icon.setPixelColor(1, 0, QColor(60, 61, 0));
    const QImage dark = TWDToBu::Darkened(icon);
    EXPECT_EQ(dark.pixelColor(0, 0), QColor(0, 10, 195));
    EXPECT_EQ(dark.pixelColor(1, 0), QColor(0, 1, 0));
}

TEST(TWDToBu, PicIdleIsACopy) {
    QImage icon = WidgetProbe::TestIcon();
    TWDToBu button;
    button.SetPicIdle(icon);
    icon.fill(Qt::black);
    EXPECT_EQ(button.PicIdle().pixelColor(0, 0), QColor(255, 0, 255));
}
