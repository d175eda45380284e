#include "widgets/WDPanel.h"
#include "WidgetProbe.h"
#include "platform/AppError.h"
#include "platform/ArtResources.h"
#include "widgets/FormLabels.h"
#include "widgets/WDScrollBox.h"

#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <gtest/gtest.h>

namespace {

// One column of a gradient drawn with horizontal lines into a `height` high strip.
QList<QColor> GradientRows(int height, const QList<QColor>& colours) {
    QImage image(4, height, QImage::Format_RGB888);
    image.fill(Qt::black);
    QPainter painter(&image);
    DrawGradient(painter, QRect(0, 0, 4, height), TGradientLines::Horizontal, colours);
    painter.end();
    QList<QColor> rows;
    for (int y = 0; y < height; ++y)
        rows << image.pixelColor(2, y);
    return rows;
}

} // namespace

TEST(DrawGradient, NeedsTwoColours) {
    QImage image(4, 4, QImage::Format_RGB888);
    QPainter painter(&image);
    try {
        DrawGradient(painter, QRect(0, 0, 4, 4), TGradientLines::Vertical, {Qt::red});
        FAIL() << "no error";
    } catch (const AppError& error) {
        EXPECT_EQ(error.Message(), "Es müssen mindestens zwei Farben angegeben werden.");
    }
}

TEST(DrawGradient, RunsFromFirstToLastColourThroughSharedBoundaries) {
    const QList<QColor> two = GradientRows(11, {QColor(0, 0, 0), QColor(100, 200, 50)});
    EXPECT_EQ(two.front(), QColor(0, 0, 0));
    EXPECT_EQ(two.back(), QColor(100, 200, 50));
    EXPECT_EQ(two[5], QColor(50, 100, 25));
    EXPECT_EQ(two[3], QColor(30, 60, 15));

    // 11 lines in two segments: Round(5.5) = 6 lines each, the boundary line 6 shared and
    // taken by the later segment.
    const QList<QColor> three =
        GradientRows(11, {QColor(0, 0, 0), QColor(120, 120, 120), QColor(0, 0, 240)});
    EXPECT_EQ(three[6], QColor(120, 120, 120));
    EXPECT_EQ(three[3], QColor(60, 60, 60));
    EXPECT_EQ(three[8], QColor(60, 60, 180));
    EXPECT_EQ(three[10], QColor(0, 0, 240));

    // Vertical lines run left to right.
    QImage image(10, 2, QImage::Format_RGB888);
    QPainter painter(&image);
    DrawGradient(painter, image.rect(), TGradientLines::Vertical, {Qt::black, Qt::white});
    painter.end();
    EXPECT_EQ(image.pixelColor(0, 1), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(9, 1), QColor(Qt::white));
}

TEST(DrawGradient, TinyAreasDoNotBreak) {
    // Segments of a single line (and none at all) have no slope to divide by.
    EXPECT_EQ(GradientRows(1, {Qt::red, Qt::green, Qt::blue}).front(), QColor(Qt::green));
    const QList<QColor> two = GradientRows(2, {Qt::red, Qt::green, Qt::blue});
    EXPECT_EQ(two.size(), 2);
    QImage image(4, 4, QImage::Format_RGB888);
    QPainter painter(&image);
    DrawGradient(painter, QRect(0, 0, 0, 0), TGradientLines::Horizontal, {Qt::red, Qt::blue});
}

namespace {

struct PanelHost {
    QWidget form;
    TWDPanel* panel;
    PanelHost() {
        form.resize(300, 200);
        panel = new TWDPanel(&form);
        panel->setGeometry(10, 10, 200, 150);
        WidgetProbe::ShowWindow(&form);
    }
    QRgb At(QPoint point) { return WidgetProbe::DrawnPixel(panel, point); }
};

QRgb Skin(const char* name, QPoint point) {
    return ArtResources::LoadSkin(name).pixel(point);
}

} // namespace

TEST(TWDPanel, FrameCornersEdgesAndSolidInside) {
    PanelHost host;
    EXPECT_EQ(host.panel->Broad(), 10);
    EXPECT_EQ(host.At({1, 1}), Skin("WOP_LOB", {1, 1}));
    EXPECT_EQ(host.At({198, 148}), Skin("WOP_RUN", {8, 8}));
    EXPECT_EQ(host.At({100, 146}), Skin("WOP_UNT", {5, 6}));
    EXPECT_EQ(host.At({4, 70}), Skin("WOP_LIN", {4, 5}));
    EXPECT_EQ(QColor(host.At({30, 100})), QColor(240, 225, 179));
    host.panel->SetBroad(0);
    EXPECT_EQ(host.panel->Broad(), 1);
}

TEST(TWDPanel, TextureCoversTheWholePanelAndGradientTheInside) {
    PanelHost host;
    host.panel->SetColour(TColour::cTextur);
    host.panel->SetBroad(3);
    host.panel->SetTitleShow(false);
    EXPECT_EQ(host.At({50, 60}), Skin("WOP_TEX", {50, 60}));
    EXPECT_EQ(host.At({130, 100}), Skin("WOP_TEX", {50, 20}));

    host.panel->SetColour(TColour::cGradient);
    EXPECT_EQ(QColor(host.At({100, 3})), QColor(243, 234, 199));
    EXPECT_EQ(QColor(host.At({100, 146})), QColor(217, 193, 121));
}

TEST(TWDPanel, TitlePlateOnlyWhenShown) {
    PanelHost host;
    const QPoint plateCorner(100 - 50 + 2, 2);
    EXPECT_EQ(host.At(plateCorner), Skin("WOP_TIT", {2, 2}));
    host.panel->SetTitleShow(false);
    EXPECT_EQ(host.At(plateCorner), Skin("WOP_OBE", {5, 2}));
    const QImage before = host.panel->grab().toImage();
    host.panel->SetTitle("Anders");
    EXPECT_EQ(host.panel->grab().toImage(), before);
}

TEST(TWDScrollBox, WoodStaysInPlaceWhileTheContentScrolls) {
    QWidget form;
    form.resize(300, 200);
    auto* box = new TWDScrollBox(&form);
    box->setGeometry(0, 0, 300, 200);
    auto* content = new QWidget;
    content->resize(1200, 180);
    box->setWidget(content);
    WidgetProbe::ShowWindow(&form);
    const QPoint sample(20, 30);
    const QRgb tile = Skin("WSB_BACK", sample);
    EXPECT_EQ(WidgetProbe::DrawnPixel(box->viewport(), sample), tile);
    box->horizontalScrollBar()->setValue(333);
    EXPECT_EQ(WidgetProbe::DrawnPixel(box->viewport(), sample), tile);
}

TEST(FormLabels, LabelsBecomeTransparentUnlessTaggedOne) {
    QWidget form;
    auto* plain = new QLabel("a", &form);
    auto* inner = new QWidget(&form);
    auto* nested = new QLabel("b", inner);
    nested->setAutoFillBackground(true);
    auto* tagged = new QLabel("c", &form);
    tagged->setProperty("Tag", 1);
    MakeLabelsTransparent(&form);
    EXPECT_FALSE(plain->autoFillBackground());
    EXPECT_FALSE(nested->autoFillBackground());
    EXPECT_TRUE(tagged->autoFillBackground());
}
