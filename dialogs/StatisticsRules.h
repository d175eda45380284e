#pragma once
// The rules of the statistics window that need no window: the kind of the lists shown, the
// titles of both kinds of game, how names and dates are shown, the bar chart of solved games
// and which list entry a new result highlights.

#include <QString>
#include <array>

class QDate;
class QLocale;

namespace StatisticsRules {

// Whether the set of lists in memory (the file StatisticsFileName names) is the Memory set.
// The window shows, prints and clears that set, whatever PlayMode says: opening a picture
// in Memory mode switches the mode before the game start dialog, and a cancelled start
// leaves the Memory set loaded.
bool LoadedKindIsMemory();

// A stored name as the lists show and print it: on one line, its control characters (line
// feeds, tabs, escapes, bytes the code page leaves undefined) left out.
QString ShownName(const QString& name);

// The date in the printed title: the locale's short date, or dd.MM.yyyy when the locale is
// C or POSIX, whose English month names would stand in the German text.
QString PrintedDate(const QLocale& locale, const QDate& date);

// "Statistik - Memory" or "Statistik - Puzzle".
QString WindowTitle(bool memory);

// "Puzzle mit 9 Teile" … "Puzzle mit 64 Teile", "Memory mit 3 Paare" … "Memory mit 24 Paare"
// for size 1..6.
QString ListTitle(bool memory, int size);

// The chart's size captions: "9 Teile:" … "64 Teile:", "3 Paare:" … "24 Paare:".
QString ChartLabel(bool memory, int size);

// What the chart shows for the solved-games counters of one kind.
struct Chart {
    QString title;
    // Bar widths of sizes 1..6 at indexes 0..5.
    std::array<int, 6> widths{};
    // The counters as hint texts; empty when the hints stay as they were (nothing solved).
    std::array<QString, 6> hints{};
    bool hintsSet = false;
};

// counters: entries 1..6 as in the settings; fullWidth: the width of a bar for the largest
// counter. Bars are counter × fullWidth ÷ largest, truncated; with no counter above 0 every
// bar stays at 0.
Chart ChartOf(const std::array<int, 7>& counters, int total, bool memory, int fullWidth);

// The rank (1..10) of the first entry of the list of `size` that holds `name` and `time`
// exactly, or 0 when none does.
int HighlightRank(int size, const QString& name, const QString& time);

} // namespace StatisticsRules
