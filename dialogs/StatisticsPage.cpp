#include "dialogs/StatisticsPage.h"

#include "dialogs/StatisticsRules.h"
#include "storage/Statistics.h"

#include <QFontMetricsF>
#include <algorithm>

namespace {

// Font sizes by divisor: 1, 2, 3 to 10; beyond that the painter's own size.
int Points(int divisor, int full, int half, int small) {
    if (divisor <= 1)
        return full;
    if (divisor == 2)
        return half;
    return divisor <= 10 ? small : 0;
}

} // namespace

StatisticsPage::StatisticsPage(int divisor, bool kindIsMemory, const QString& date)
    : a(std::max(divisor, 1)), u(20 / a), d(10 / a),
      memory(kindIsMemory), columns{X(10), X(80), X(150)},
      // The third column is as wide as the others, and the rule spans all three, so that
      // every text of the block stays above the rule's length.
      right(columns[2] + columns[1] - columns[0]) {
    int row = u;
    texts.push_back({QStringLiteral("Tessaly - Statistik vom ") + date, columns[0], d * row,
                     right - columns[0], Points(a, 14, 12, 10), true});
    rule = {columns[0], right, (18 / a) * row, a <= 1 ? 3 : 1};
    Block(1, row, 30 / a);
    Block(4, row, 20 / a);
}

// Titles, column heads and ten rows of the three lists from `firstSize` on; the row value
// first rises by `titleRise`.
void StatisticsPage::Block(int firstSize, int& row, int titleRise) {
    const int titlePoints = Points(a, 12, 10, 8);
    const int rowPoints = Points(a, 10, 8, 7);
    static constexpr int columnN[3] = {10, 80, 150};
    // A text ends this far before the next one begins.
    const int gap = u / 2;
    int nameX[3];
    int timeX[3];
    int end[3];
    for (int c = 0; c < 3; ++c) {
        nameX[c] = X(columnN[c] + 15);
        timeX[c] = X(columnN[c] + 40);
        end[c] = (c < 2 ? columns[c + 1] : right) - gap;
    }

    row += titleRise;
    for (int c = 0; c < 3; ++c)
        texts.push_back({StatisticsRules::ListTitle(memory, firstSize + c), columns[c], d * row,
                         end[c] - columns[c], titlePoints, true});
    row += 15 / a;
    for (int c = 0; c < 3; ++c) {
        texts.push_back({QStringLiteral("Rang"), columns[c], d * row, nameX[c] - gap - columns[c],
                         rowPoints, true});
        texts.push_back({QStringLiteral("Name"), nameX[c], d * row, timeX[c] - gap - nameX[c],
                         rowPoints, true});
        texts.push_back(
            {QStringLiteral("Zeit"), timeX[c], d * row, end[c] - timeX[c], rowPoints, true});
    }
    row += 10 / a;
    static constexpr int rankX[3] = {15, 84, 156};
    static constexpr int rankTenX[3] = {12, 82, 153};
    for (int rank = 1; rank <= RanksPerList; ++rank) {
        for (int c = 0; c < 3; ++c) {
            const int x = X(rank < 10 ? rankX[c] : rankTenX[c]);
            texts.push_back(
                {QString::number(rank), x, d * row, nameX[c] - gap - x, rowPoints, false});
            const ResultEntry& entry = Result(firstSize + c, rank);
            const QString name = StatisticsRules::ShownName(entry.Name()).left(PrintedNameLength);
            if (!name.isEmpty())
                texts.push_back(
                    {name, nameX[c], d * row, timeX[c] - gap - nameX[c], rowPoints, false});
            const QString time = StatisticsRules::ShownName(entry.Time());
            if (!time.isEmpty())
                texts.push_back({time, timeX[c], d * row, end[c] - timeX[c], rowPoints, false});
        }
        row += 10 / a;
    }
}

QString StatisticsPage::Fitted(const QString& text, int width, const QFontMetricsF& metrics) {
    QString fitted = text;
    while (!fitted.isEmpty() && metrics.horizontalAdvance(fitted) > width)
        fitted.chop(1);
    return fitted;
}
