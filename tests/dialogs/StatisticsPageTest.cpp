#include "dialogs/StatisticsRules.h"
#include "dialogs/TFormStatist.h"
#include "game/VarUnit.h"
#include "storage/Settings.h"
#include "storage/Statistics.h"

#include <QDate>
#include <QFontMetricsF>
#include <QLocale>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <gtest/gtest.h>
#include <vector>

namespace {

// A paint device that keeps what is drawn on it: every text with its top-left corner and
// font, and every line.
class RecordingDevice : public QPaintDevice {
public:
    struct Text {
        QString text;
        QPointF topLeft;
        QFont font;
    };

    explicit RecordingDevice(int dpi) : engine(this), dpi(dpi) {}

    QPaintEngine* paintEngine() const override { return &engine; }

    std::vector<Text> texts;
    std::vector<QLineF> lines;
    std::vector<qreal> penWidths;

    // The corner of the first text equal to `text`, from the `nth` on.
    QPoint At(const QString& text, int nth = 0) const {
        for (const Text& drawn : texts)
            if (drawn.text == text && nth-- == 0)
                return drawn.topLeft.toPoint();
        ADD_FAILURE() << "not drawn: " << text.toStdString();
        return {};
    }
    const Text* Find(const QString& text) const {
        for (const Text& drawn : texts)
            if (drawn.text == text)
                return &drawn;
        return nullptr;
    }

protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
        case PdmWidth:
        case PdmHeight:
            return 5000;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return dpi;
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        default:
            return 1;
        }
    }

private:
    class Engine : public QPaintEngine {
    public:
        explicit Engine(RecordingDevice* device) : QPaintEngine(AllFeatures), device(device) {}
        bool begin(QPaintDevice*) override { return true; }
        bool end() override { return true; }
        void updateState(const QPaintEngineState& state) override {
            if (state.state() & DirtyPen)
                pen = state.pen();
        }
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawLines(const QLineF* lines, int count) override {
            for (int i = 0; i < count; ++i) {
                device->lines.push_back(lines[i]);
                device->penWidths.push_back(pen.widthF());
            }
        }
        void drawTextItem(const QPointF& baseline, const QTextItem& item) override {
            const QFontMetricsF metrics(item.font(), device);
            device->texts.push_back(
                {item.text(), baseline - QPointF(0, metrics.ascent()), item.font()});
        }
        Type type() const override { return User; }

    private:
        RecordingDevice* device;
        QPen pen;
    };

    mutable Engine engine;
    int dpi;
};

class StatisticsPageDrawing : public testing::Test {
protected:
    void SetUp() override {
        ResetSettings();
        ResetStatistics();
        AddResult(1, "Christophorus Winter", "00:00:42");
        AddResult(2, "Ida", "00:01:10");
        AddResult(6, "Greta", "01:02:03");
        for (int k = 0; k < 10; ++k)
            AddResult(3, QStringLiteral("R%1").arg(k), QStringLiteral("00:0%1:00").arg(k));
    }
    void TearDown() override {
        ResetSettings();
        ResetStatistics();
        StatisticsFileName.clear();
    }

    void Draw(RecordingDevice& device, int divisor) {
        QPainter painter(&device);
        window.DrawStatistics(painter, divisor);
    }

    TFormStatist window;
};

} // namespace

TEST_F(StatisticsPageDrawing, PrinterPageAtFullSize) {
    RecordingDevice page(600);
    Draw(page, 1);
    const auto near = [](QPoint at, QPoint expected) {
        return std::abs(at.x() - expected.x()) <= 1 && std::abs(at.y() - expected.y()) <= 1;
    };
    ASSERT_FALSE(page.texts.empty());
    EXPECT_TRUE(page.texts[0].text.startsWith("Tessaly - Statistik vom "));
    EXPECT_TRUE(near(page.texts[0].topLeft.toPoint(), {200, 200}));
    ASSERT_EQ(page.lines.size(), 1u);
    // The rule spans the three columns, each as wide as the distance between them.
    EXPECT_EQ(page.lines[0], QLineF(200, 360, 4400, 360));
    EXPECT_EQ(page.penWidths[0], 3);

    EXPECT_TRUE(near(page.At("Puzzle mit 9 Teile"), {200, 500}));
    EXPECT_TRUE(near(page.At("Puzzle mit 16 Teile"), {1600, 500}));
    EXPECT_TRUE(near(page.At("Puzzle mit 25 Teile"), {3000, 500}));
    EXPECT_TRUE(near(page.At("Puzzle mit 36 Teile"), {200, 1950}));
    EXPECT_TRUE(near(page.At("Rang", 2), {3000, 650}));
    EXPECT_TRUE(near(page.At("Name", 1), {1900, 650}));
    EXPECT_TRUE(near(page.At("Zeit", 0), {1000, 650}));
    EXPECT_TRUE(near(page.At("Zeit", 5), {3800, 2100}));
    EXPECT_TRUE(near(page.At("1"), {300, 750}));
    EXPECT_TRUE(near(page.At("1", 2), {3120, 750}));
    EXPECT_TRUE(near(page.At("10"), {240, 1650}));
    EXPECT_TRUE(near(page.At("10", 2), {3060, 1650}));
    EXPECT_TRUE(near(page.At("10", 5), {3060, 3100}));
    EXPECT_TRUE(near(page.At("Christopho"), {500, 750}));
    EXPECT_TRUE(near(page.At("00:01:10"), {2400, 750}));
    EXPECT_TRUE(near(page.At("R9"), {3300, 1650}));
    EXPECT_TRUE(near(page.At("01:02:03"), {3800, 2200}));
    // The name is cut to ten characters; empty entries draw their rank only.
    EXPECT_EQ(page.Find("Christophorus W"), nullptr);
    int texts = 0;
    for (const auto& text : page.texts)
        texts += text.topLeft.y() > 2150 && text.topLeft.x() < 1500 ? 1 : 0;
    EXPECT_EQ(texts, 10);

    // Points on a 600-dot device: 14, 12 and 10 points, bold where they are heads.
    EXPECT_EQ(page.texts[0].font.pixelSize(), 117);
    EXPECT_TRUE(page.texts[0].font.bold());
    EXPECT_EQ(page.Find("Puzzle mit 9 Teile")->font.pixelSize(), 100);
    EXPECT_EQ(page.Find("Rang")->font.pixelSize(), 83);
    EXPECT_TRUE(page.Find("Rang")->font.bold());
    EXPECT_FALSE(page.Find("Christopho")->font.bold());
}

TEST_F(StatisticsPageDrawing, PreviewAtAThirdAndTheMemoryTitles) {
    StatisticsFileName = StatisticsFileNameFor(QStringLiteral("/data/"), ModeMemory);
    RecordingDevice page(96);
    Draw(page, 3);
    const auto near = [](QPoint at, QPoint expected) {
        return std::abs(at.x() - expected.x()) <= 1 && std::abs(at.y() - expected.y()) <= 1;
    };
    EXPECT_TRUE(near(page.texts[0].topLeft.toPoint(), {18, 18}));
    EXPECT_EQ(page.lines[0], QLineF(18, 36, 438, 36));
    EXPECT_EQ(page.penWidths[0], 1);
    // At this size the longer titles do not fit their columns; they are cut before the
    // next column or the end of the rule.
    const auto drawnAt = [&page, &near](QPoint place) -> const RecordingDevice::Text* {
        for (const auto& text : page.texts)
            if (near(text.topLeft.toPoint(), place) && text.font.bold())
                return &text;
        ADD_FAILURE() << "nothing drawn at " << place.x() << ", " << place.y();
        return nullptr;
    };
    const std::pair<QPoint, const char*> titles[] = {
        {{18, 48}, "Memory mit 3 Paare"},    {{156, 48}, "Memory mit 6 Paare"},
        {{300, 48}, "Memory mit 10 Paare"},  {{18, 180}, "Memory mit 15 Paare"},
        {{156, 180}, "Memory mit 21 Paare"}, {{300, 180}, "Memory mit 24 Paare"}};
    for (const auto& [place, title] : titles) {
        const RecordingDevice::Text* drawn = drawnAt(place);
        ASSERT_NE(drawn, nullptr);
        EXPECT_TRUE(drawn->text.size() >= 12 && QString::fromUtf8(title).startsWith(drawn->text))
            << drawn->text.toStdString();
        const int end = place.x() == 300 ? 438 : place.x() + 138;
        EXPECT_LE(place.x() + QFontMetricsF(drawn->font).horizontalAdvance(drawn->text), end);
    }
    EXPECT_TRUE(near(page.At("Name", 2), {330, 63}));
    EXPECT_TRUE(near(page.At("Zeit", 1), {240, 63}));
    EXPECT_TRUE(near(page.At("1", 1), {168, 72}));
    EXPECT_TRUE(near(page.At("10"), {24, 153}));
    EXPECT_TRUE(near(page.At("10", 1), {162, 153}));
    EXPECT_TRUE(near(page.At("9", 5), {312, 276}));
    EXPECT_TRUE(near(page.At("01:02:03"), {378, 204}));
    // 10, 8 and 7 points on the screen's 96 dots per inch.
    EXPECT_EQ(page.texts[0].font.pixelSize(), 13);
    EXPECT_EQ(drawnAt({18, 48})->font.pixelSize(), 11);
    EXPECT_EQ(page.Find("Rang")->font.pixelSize(), 9);
}

TEST_F(StatisticsPageDrawing, DivisorsOutsideTheTable) {
    RecordingDevice zero(600);
    Draw(zero, 0);
    RecordingDevice one(600);
    Draw(one, 1);
    ASSERT_EQ(zero.texts.size(), one.texts.size());
    EXPECT_EQ(zero.At("R9"), one.At("R9"));

    // Beyond 10 the painter's own font size stays.
    RecordingDevice tiny(96);
    QPainter painter(&tiny);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(21);
    painter.setFont(font);
    window.DrawStatistics(painter, 11);
    painter.end();
    ASSERT_FALSE(tiny.texts.empty());
    EXPECT_EQ(tiny.texts[0].font.pixelSize(), 21);
}

TEST(PrintedDate, GermanDigitsInTheCLocaleAndTheUsersShortDateOtherwise) {
    const QDate day(2026, 12, 8);
    using StatisticsRules::PrintedDate;
    EXPECT_EQ(PrintedDate(QLocale::c(), day), "08.12.2026");
    EXPECT_EQ(PrintedDate(QLocale(QStringLiteral("POSIX")), day), "08.12.2026");
    EXPECT_EQ(PrintedDate(QLocale(QLocale::German, QLocale::Germany), day), "08.12.26");
    EXPECT_EQ(PrintedDate(QLocale(QLocale::English, QLocale::UnitedStates), day), "12/8/26");
}
