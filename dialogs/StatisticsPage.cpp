#include "dialogs/StatisticsPage.h"

#include "dialogs/StatisticsRules.h"
#include "storage/Statistics.h"

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
    : a(std::max(divisor, 1)), u(20 / a), d(10 / a), memory(kindIsMemory) {
    const auto x = [this](int n) { return (n / a) * u; };
    int row = u;
    texts.push_back({QStringLiteral("Tessaly - Statistik vom ") + date, x(10), d * row,
                     Points(a, 14, 12, 10), true});
    rule = {x(10), (208 / a) * u, (18 / a) * row, a <= 1 ? 3 : 1};
    Block(1, row, 30 / a);
    Block(4, row, 20 / a);
}

// Titles, column heads and ten rows of the three lists from `firstSize` on; the row value
// first rises by `titleRise`.
void StatisticsPage::Block(int firstSize, int& row, int titleRise) {
    const auto x = [this](int n) { return (n / a) * u; };
    const int titlePoints = Points(a, 12, 10, 8);
    const int rowPoints = Points(a, 10, 8, 7);
    static constexpr int columns[3] = {10, 80, 150};

    row += titleRise;
    for (int c = 0; c < 3; ++c)
        texts.push_back({StatisticsRules::ListTitle(memory, firstSize + c), x(columns[c]), d * row,
                         titlePoints, true});
    row += 15 / a;
    for (int c = 0; c < 3; ++c) {
        texts.push_back({QStringLiteral("Rang"), x(columns[c]), d * row, rowPoints, true});
        texts.push_back({QStringLiteral("Name"), x(columns[c] + 15), d * row, rowPoints, true});
        texts.push_back({QStringLiteral("Zeit"), x(columns[c] + 40), d * row, rowPoints, true});
    }
    row += 10 / a;
    static constexpr int rankX[3] = {15, 84, 156};
    static constexpr int rankTenX[3] = {12, 82, 153};
    for (int rank = 1; rank <= RanksPerList; ++rank) {
        for (int c = 0; c < 3; ++c) {
            const int n = rank < 10 ? rankX[c] : rankTenX[c];
            texts.push_back({QString::number(rank), x(n), d * row, rowPoints, false});
            const ResultEntry& entry = Result(firstSize + c, rank);
            const QString name = entry.Name().left(PrintedNameLength);
            if (!name.isEmpty())
                texts.push_back({name, x(columns[c] + 15), d * row, rowPoints, false});
            if (!entry.Time().isEmpty())
                texts.push_back({entry.Time(), x(columns[c] + 40), d * row, rowPoints, false});
        }
        row += 10 / a;
    }
}
