#pragma once
// The best-time lists: ten results for each of the six game sizes, one set for the puzzle
// modes and one for Memory, each kept in a file of 60 records of 25 bytes.

#include "storage/ResultEntry.h"
#include "storage/Settings.h"

#include <QString>
#include <array>
#include <cstdint>

inline constexpr int RanksPerList = 10;

// Ranks 1..10 at indexes 0..9.
using ResultList = std::array<ResultEntry, RanksPerList>;

// The lists of the set in memory, sizes 1..6 at indexes 0..5; Result() indexes from 1.
inline std::array<ResultList, GameSizeCount> ResultTables{};

// The time text of the result added last, and whether the statistics window is being shown
// right after it was added (so that the window can mark it).
inline QString LastResultTime;
inline bool ResultJustAdded = false;

// The entry of size 1..6 and rank 1..10.
ResultEntry& Result(int size, int rank);

// dataDir + "tessaly.mem" for Memory, dataDir + "tessaly.dat" for the puzzle modes.
QString StatisticsFileNameFor(const QString& dataDir, std::uint8_t playMode);

// Whether the file of that name holds the Memory set (the other holds the puzzle set).
bool IsMemoryStatisticsFile(const QString& fileName);

// Fills the lists from the file, reading at most its 1,500 bytes. A missing file empties
// them. A file of any other size is damaged: the records it holds are read, those a short
// file lacks are empty, and whatever a long one holds beyond them is ignored. A file that
// cannot be read raises an AppError naming it and leaves the lists as they were.
void LoadStatistics(const QString& fileName);

// Replaces the file with the 60 records, 1,500 bytes whatever size it had. Raises
// "In <file> kann nicht geschrieben werden" when the file cannot be replaced; the file on
// disk and the lists in memory then stay as they were.
void SaveStatistics(const QString& fileName);

// Enters (name, time) into the list of the given size: into the first empty rank, or over
// rank 10 when the list is full, whatever its time; then sorts that list.
void AddResult(int size, const QString& name, const QString& time);

// Sorts the leading entries with a time by ascending time, with an exchange sort whose order
// of equal times the lists have always had.
void SortResults(int size);

// Empties the list of the size and takes its solved-games counter out of the total of its
// kind, Memory or the puzzles (never below 0): the kind of the set in memory, which after a
// cancelled game start need not be PlayMode's. The file changes at the next SaveStatistics.
void ClearResults(int size, bool memoryKind);

// All entries to zero bytes, no last result (what the program has before any file is read).
void ResetStatistics();
