#include "dialogs/StatisticsRules.h"

#include "game/VarUnit.h"
#include "storage/Statistics.h"

#include <QDate>
#include <QLocale>
#include <algorithm>

namespace StatisticsRules {

namespace {

constexpr std::array<int, 6> Pairs{3, 6, 10, 15, 21, 24};

int Amount(bool memory, int size) {
    const int index = std::clamp(size, 1, 6);
    return memory ? Pairs[index - 1] : (index + 2) * (index + 2);
}

} // namespace

bool LoadedKindIsMemory() {
    return IsMemoryStatisticsFile(StatisticsFileName);
}

QString ShownName(const QString& name) {
    QString shown;
    shown.reserve(name.size());
    for (const QChar character : name)
        if (character.category() != QChar::Other_Control)
            shown.append(character);
    return shown;
}

QString PrintedDate(const QLocale& locale, const QDate& date) {
    if (locale.language() == QLocale::C)
        return date.toString(QStringLiteral("dd.MM.yyyy"));
    return locale.toString(date, QLocale::ShortFormat);
}

QString WindowTitle(bool memory) {
    return memory ? QStringLiteral("Statistik - Memory") : QStringLiteral("Statistik - Puzzle");
}

QString ListTitle(bool memory, int size) {
    return memory ? QStringLiteral("Memory mit %1 Paare").arg(Amount(memory, size))
                  : QStringLiteral("Puzzle mit %1 Teile").arg(Amount(memory, size));
}

QString ChartLabel(bool memory, int size) {
    return memory ? QStringLiteral("%1 Paare:").arg(Amount(memory, size))
                  : QStringLiteral("%1 Teile:").arg(Amount(memory, size));
}

Chart ChartOf(const std::array<int, 7>& counters, int total, bool memory, int fullWidth) {
    Chart chart;
    const QString game = memory ? QStringLiteral("Memory") : QStringLiteral("Puzzle");
    if (total == 0) {
        chart.title = QStringLiteral("Noch kein %1 gelöst.").arg(game);
        return chart;
    }
    chart.title = total == 1 ? QStringLiteral("1 %1 gelöst").arg(game)
                             : QStringLiteral("%1 %2s gelöst").arg(total).arg(game);
    const int largest = *std::max_element(counters.begin() + 1, counters.end());
    for (int k = 1; k <= 6; ++k) {
        // A hand-edited file can leave every counter at 0 or below: no usable divisor,
        // so no bar at all rather than a division by zero or a bar of negative width.
        if (largest > 0) {
            const long long width = static_cast<long long>(counters[k]) * fullWidth / largest;
            chart.widths[k - 1] = width > 0 ? static_cast<int>(width) : 0;
        }
        chart.hints[k - 1] = QString::number(counters[k]);
    }
    chart.hintsSet = true;
    return chart;
}

int HighlightRank(int size, const QString& name, const QString& time) {
    for (int rank = 1; rank <= RanksPerList; ++rank) {
        const ResultEntry& entry = Result(size, rank);
        if (entry.Name() == name && entry.Time() == time)
            return rank;
    }
    return 0;
}

} // namespace StatisticsRules
