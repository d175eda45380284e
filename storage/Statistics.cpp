#include "storage/Statistics.h"

#include "storage/StoredFile.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <utility>

namespace {

constexpr int RecordCount = GameSizeCount * RanksPerList;
constexpr qint64 FileSize = qint64(RecordCount) * ResultEntry::RecordSize;

// Records are stored rank by rank: rank 1 of sizes 1..6, then rank 2, and so on.
ResultEntry& RecordAt(int record) {
    return Result(record % GameSizeCount + 1, record / GameSizeCount + 1);
}

} // namespace

ResultEntry& Result(int size, int rank) {
    // at(): a wrong index is a programming error that must not write beside the tables.
    return ResultTables.at(size - 1).at(rank - 1);
}

QString StatisticsFileNameFor(const QString& dataDir, std::uint8_t playMode) {
    return dataDir +
           (playMode == ModeMemory ? QStringLiteral("tessaly.mem") : QStringLiteral("tessaly.dat"));
}

bool IsMemoryStatisticsFile(const QString& fileName) {
    return fileName.endsWith(QStringLiteral("tessaly.mem"));
}

void LoadStatistics(const QString& fileName) {
    const auto bytes = StoredFile::ReadIfExists(fileName, FileSize);
    const qsizetype available = bytes ? bytes->size() / ResultEntry::RecordSize : 0;
    for (int record = 0; record < RecordCount; ++record) {
        ResultEntry& entry = RecordAt(record);
        if (record < available)
            std::memcpy(&entry, bytes->constData() + record * ResultEntry::RecordSize,
                        ResultEntry::RecordSize);
        else
            entry.Clear();
    }
}

void SaveStatistics(const QString& fileName) {
    QByteArray bytes(FileSize, '\0');
    for (int record = 0; record < RecordCount; ++record)
        std::memcpy(bytes.data() + record * ResultEntry::RecordSize, &RecordAt(record),
                    ResultEntry::RecordSize);
    // Always exactly the 60 records: a file of another size was damaged, and what it held
    // beyond them (it may be a huge sparse file) is not read, let alone copied at every save.
    StoredFile::Replace(fileName, bytes);
}

void AddResult(int size, const QString& name, const QString& time) {
    ResultEntry* target = &Result(size, RanksPerList);
    for (int rank = 1; rank <= RanksPerList; ++rank) {
        if (!Result(size, rank).IsUsed()) {
            target = &Result(size, rank);
            break;
        }
    }
    target->SetName(name);
    target->SetTime(time);
    SortResults(size);
}

void SortResults(int size) {
    int count = RanksPerList;
    for (int rank = 1; rank <= RanksPerList; ++rank) {
        if (Result(size, rank).timeLength == 0) {
            count = rank - 1;
            break;
        }
    }
    for (int i = 1; i < count; ++i) {
        for (int j = i + 1; j <= count; ++j) {
            if (Result(size, i).TimeIsGreaterThan(Result(size, j)))
                std::swap(Result(size, i), Result(size, j));
        }
    }
}

void ClearResults(int size, bool memoryKind) {
    for (int rank = 1; rank <= RanksPerList; ++rank)
        Result(size, rank).Clear();
    auto& solved = memoryKind ? MemorySolved : PuzzleSolved;
    int& total = memoryKind ? MemorySolvedTotal : PuzzleSolvedTotal;
    // Counters come from a file the player may have edited; compute wide so that no value
    // there can overflow.
    const qint64 remaining = qint64(total) - solved.at(size);
    total = static_cast<int>(std::clamp<qint64>(remaining, 0, std::numeric_limits<int>::max()));
    solved.at(size) = 0;
}

void ResetStatistics() {
    for (ResultList& list : ResultTables)
        list.fill(ResultEntry{});
    LastResultTime.clear();
    ResultJustAdded = false;
}
