#pragma once
// The layout of the printed statistics page: every text with its top-left corner, font
// size and weight and the width it may fill, and the rule under the page title, for a
// divisor of the full size (1 for the page in units of 1/600 inch). The block of texts
// lies between the ends of the rule.

#include <QString>
#include <vector>

class QFontMetricsF;

class StatisticsPage {
public:
    struct Text {
        QString text;
        int x;
        int y;
        // The room to its right before the next column or the end of the rule; a longer
        // text is cut to fit.
        int width;
        // Font size in points; 0 leaves the painter's size as it is (divisors above 10).
        int points;
        bool bold;
    };
    struct Line {
        int x1;
        int x2;
        int y;
        int width;
    };

    // Lays out the page of the lists in memory for the kind of `memory`, titled with
    // `date`. A divisor below 1 counts as 1.
    StatisticsPage(int divisor, bool memory, const QString& date);

    const std::vector<Text>& Texts() const { return texts; }
    const Line& Rule() const { return rule; }

    // The longest name the page prints; longer names are cut.
    static constexpr int PrintedNameLength = 10;

    // The longest beginning of `text` that `metrics` measure no wider than `width`.
    static QString Fitted(const QString& text, int width, const QFontMetricsF& metrics);

private:
    void Block(int firstSize, int& row, int titleRise);
    int X(int n) const { return (n / a) * u; }

    int a;
    int u;
    int d;
    bool memory;
    // Left edges of the three columns and the right end of the block.
    int columns[3];
    int right;
    std::vector<Text> texts;
    Line rule{};
};
