// The artwork the desktop shows: the icon at every menu size is a jigsaw piece on a clear
// ground, and the title plate lets the dark title stand out.

#include "platform/ArtResources.h"

#include <QColor>
#include <QImage>
#include <gtest/gtest.h>

#include <cmath>

namespace {

double Luminance(const QColor& colour) {
    auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.red()) + 0.7152 * linear(colour.green()) +
           0.0722 * linear(colour.blue());
}

double Contrast(const QColor& a, const QColor& b) {
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool Solid(const QImage& icon, int x, int y) {
    return qAlpha(icon.pixel(x, y)) >= 128;
}

// The solid pixels of one row or column as (first, last, solid count); first < 0 if none.
struct SolidRun {
    int first = -1;
    int last = -1;
    int count = 0;
};

SolidRun Line(const QImage& icon, int index, bool row) {
    SolidRun run;
    for (int i = 0; i < icon.width(); ++i) {
        if (row ? Solid(icon, i, index) : Solid(icon, index, i)) {
            if (run.first < 0)
                run.first = i;
            run.last = i;
            ++run.count;
        }
    }
    return run;
}

} // namespace

TEST(DesktopArt, TheIconIsAJigsawPieceOnAClearGroundAtEverySize) {
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
        SCOPED_TRACE(size);
        const QImage icon = ArtResources::LoadIcon(size);
        ASSERT_EQ(icon.size(), QSize(size, size));
        ASSERT_TRUE(icon.hasAlphaChannel());
        EXPECT_FALSE(Solid(icon, 0, 0));
        EXPECT_FALSE(Solid(icon, size - 1, 0));
        EXPECT_FALSE(Solid(icon, size - 1, size - 1));

        // Find the solid extent, then look at its edges.
        int top = -1, bottom = -1, left = size, right = -1;
        for (int y = 0; y < size; ++y) {
            const SolidRun run = Line(icon, y, true);
            if (run.first < 0)
                continue;
            top = top < 0 ? y : top;
            bottom = y;
            left = std::min(left, run.first);
            right = std::max(right, run.last);
        }
        ASSERT_GE(top, 0);
        const int width = right - left + 1;
        const int height = bottom - top + 1;
        EXPECT_GE(width, size * 3 / 4);
        EXPECT_GE(height, size * 3 / 4);

        // A knob at the top and one on the right: the outermost solid row and column are
        // short runs in the middle of the piece.
        const SolidRun topRow = Line(icon, top, true);
        EXPECT_LT(topRow.count, width * 2 / 5);
        EXPECT_GT(topRow.first, left + width / 5);
        const SolidRun rightColumn = Line(icon, right, false);
        EXPECT_LT(rightColumn.count, height * 2 / 5);
        EXPECT_GT(rightColumn.first, top + height / 5);

        // Holes at the bottom and on the left: the body's lowest row and leftmost column
        // are broken in their middle.
        const SolidRun bottomRow = Line(icon, bottom, true);
        EXPECT_LT(bottomRow.count, bottomRow.last - bottomRow.first + 1);
        const SolidRun leftColumn = Line(icon, left, false);
        EXPECT_LT(leftColumn.count, leftColumn.last - leftColumn.first + 1);
    }
}

TEST(DesktopArt, TheTitlePlateLetsTheDarkTitleStandOutAndItsHighlightShow) {
    const QImage top = ArtResources::LoadArt("TOP");
    ASSERT_EQ(top.size(), QSize(900, 62));
    // The plate behind the two title labels ("Tessaly" at 378..523, 20..51), without the
    // screws at its ends.
    const QRect plate(380, 18, 142, 34);
    double red = 0, green = 0, blue = 0;
    for (int y = plate.top(); y <= plate.bottom(); ++y)
        for (int x = plate.left(); x <= plate.right(); ++x) {
            const QColor colour = top.pixelColor(x, y);
            red += colour.red();
            green += colour.green();
            blue += colour.blue();
        }
    const double count = plate.width() * plate.height();
    const QColor mean(red / count, green / count, blue / count);
    // The front label is dark brown, the one behind it a light brown.
    EXPECT_GE(Contrast(mean, QColor(0x72, 0x48, 0x1B)), 4.5) << mean.name().toStdString();
    EXPECT_GE(Contrast(mean, QColor(0xDD, 0xA7, 0x6A)), 1.2) << mean.name().toStdString();
}
