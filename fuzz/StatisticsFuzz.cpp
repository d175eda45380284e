// The statistics file: load, sort every list, add a result, save and load again; the lists
// read back are the lists that were saved, and every list stays sorted.

#include "FuzzSupport.h"
#include "platform/AppError.h"
#include "storage/Statistics.h"

#include <cstring>

namespace {

bool SameLists(const std::array<ResultList, GameSizeCount>& a,
               const std::array<ResultList, GameSizeCount>& b) {
    return std::memcmp(a.data(), b.data(), sizeof(a)) == 0;
}

bool Sorted(int size) {
    for (int rank = 1; rank < RanksPerList; ++rank) {
        const ResultEntry& next = Result(size, rank + 1);
        if (Result(size, rank).timeLength == 0)
            return true; // the sort covers the leading entries with a time
        if (next.timeLength != 0 && Result(size, rank).TimeIsGreaterThan(next))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // The last byte picks the list and the time of the result added; the rest is the file.
    const QByteArray bytes = FuzzSupport::Bytes(data, size);
    const int pick = bytes.isEmpty() ? 0 : static_cast<unsigned char>(bytes.back());
    const QString path =
        FuzzSupport::WriteScratchFile(QStringLiteral("tessaly.dat"), bytes.left(bytes.size() - 1));
    ResetStatistics();
    try {
        LoadStatistics(path);
    } catch (const AppError&) {
        return 0;
    }
    for (int list = 1; list <= GameSizeCount; ++list) {
        SortResults(list);
        FuzzSupport::Check(Sorted(list), "list not sorted after sorting");
    }
    const int list = 1 + pick % GameSizeCount;
    AddResult(list, QStringLiteral("Fuzzer"),
              QStringLiteral("00:%1:%2")
                  .arg(pick / 60, 2, 10, QLatin1Char('0'))
                  .arg(pick % 60, 2, 10, QLatin1Char('0')));
    FuzzSupport::Check(Sorted(list), "list not sorted after adding");
    const auto saved = ResultTables;
    SaveStatistics(path);
    ResetStatistics();
    LoadStatistics(path);
    FuzzSupport::Check(SameLists(ResultTables, saved), "lists changed by saving and loading");
    return 0;
}
