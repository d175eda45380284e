#pragma once
// The layout of the printed statistics page: every text with its top-left corner, font
// size and weight, and the rule under the page title, for a divisor of the full size
// (1 for the printed page in units of 1/600 inch, 3 for the preview in pixels).

#include <QString>
#include <vector>

class StatisticsPage {
public:
    struct Text {
        QString text;
        int x;
        int y;
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

private:
    void Block(int firstSize, int& row, int titleRise);

    int a;
    int u;
    int d;
    bool memory;
    std::vector<Text> texts;
    Line rule{};
};
