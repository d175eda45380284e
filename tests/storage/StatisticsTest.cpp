#include "StorageTestFolder.h"

#include "platform/AppError.h"
#include "storage/Statistics.h"

#include <limits>
#include <stdexcept>

namespace {

// A 25-byte record: length, 15 name bytes, length, 8 time bytes; unused bytes are 0 unless
// the caller gives them.
QByteArray Record(const QByteArray& name, const QByteArray& time) {
    QByteArray record(25, '\0');
    record[0] = static_cast<char>(name.size());
    record.replace(1, name.size(), name);
    record[16] = static_cast<char>(time.size());
    record.replace(17, time.size(), time);
    return record;
}

QByteArray EmptyFile() {
    return QByteArray(1500, '\0');
}

// Puts a record for size 1..6 and rank 1..10 where the file keeps it.
void PutRecord(QByteArray& file, int size, int rank, const QByteArray& record) {
    file.replace(((rank - 1) * 6 + (size - 1)) * 25, 25, record);
}

QStringList Names(int size) {
    QStringList names;
    for (int rank = 1; rank <= 10 && Result(size, rank).IsUsed(); ++rank)
        names << Result(size, rank).Name();
    return names;
}

QStringList Times(int size) {
    QStringList times;
    for (int rank = 1; rank <= 10 && Result(size, rank).IsUsed(); ++rank)
        times << Result(size, rank).Time();
    return times;
}

QString Clock(int seconds) {
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

class StatisticsFile : public StorageTestFolder {
protected:
    QString DatName() const { return PathOf(QStringLiteral("tessaly.dat")); }
};

} // namespace

TEST_F(StatisticsFile, FirstResultOfSizeThreeIsRecordTwo) {
    LoadStatistics(DatName());
    AddResult(3, QStringLiteral("Anna"), QStringLiteral("00:01:05"));
    SaveStatistics(DatName());

    QByteArray expected = EmptyFile();
    expected.replace(50, 25, Record("Anna", "00:01:05"));
    EXPECT_EQ(ReadBytes(DatName()), expected);
}

TEST_F(StatisticsFile, ResultsAreSortedAndAnEleventhReplacesRankTen) {
    for (int i = 0; i < 10; ++i)
        AddResult(2, QStringLiteral("S%1").arg(i), Clock(100 - i));
    EXPECT_EQ(Names(2), QStringList({"S9", "S8", "S7", "S6", "S5", "S4", "S3", "S2", "S1", "S0"}));

    // Slower than all: it takes rank 10 and the former tenth is gone.
    AddResult(2, QStringLiteral("Langsam"), Clock(500));
    EXPECT_EQ(Names(2).size(), 10);
    EXPECT_EQ(Result(2, 10).Name(), QStringLiteral("Langsam"));
    EXPECT_FALSE(Names(2).contains(QStringLiteral("S0")));

    AddResult(2, QStringLiteral("Schnell"), Clock(3));
    EXPECT_EQ(Names(2),
              QStringList({"Schnell", "S9", "S8", "S7", "S6", "S5", "S4", "S3", "S2", "S1"}));
    EXPECT_EQ(Times(2).first(), QStringLiteral("00:00:03"));
    EXPECT_TRUE(Names(1).isEmpty());
}

TEST_F(StatisticsFile, EqualTimesKeepTheOrderOfTheExchangeSort) {
    AddResult(4, QStringLiteral("B1"), QStringLiteral("00:02:00"));
    AddResult(4, QStringLiteral("B2"), QStringLiteral("00:02:00"));
    AddResult(4, QStringLiteral("A"), QStringLiteral("00:01:00"));
    EXPECT_EQ(Names(4), QStringList({"A", "B2", "B1"}));
}

TEST_F(StatisticsFile, NamesAndTimesAreCutAndOldBytesStayBehindTheLength) {
    AddResult(1, QStringLiteral("Maximilian Mustermann"), QStringLiteral("00:00:42 und mehr"));
    EXPECT_EQ(Result(1, 1).Name(), QStringLiteral("Maximilian Must"));
    EXPECT_EQ(Result(1, 1).Time(), QStringLiteral("00:00:42"));

    ClearResults(1, false);
    AddResult(1, QStringLiteral("Bo"), QStringLiteral("00:00:07"));
    SaveStatistics(DatName());

    QByteArray expected = EmptyFile();
    PutRecord(expected, 1, 1, Record("Bo" + QByteArray("ximilian Must"), "00:00:07"));
    expected[0] = 2;
    EXPECT_EQ(ReadBytes(DatName()), expected);
}

TEST_F(StatisticsFile, UmlautsAreStoredAsSingleBytesAndSurviveARoundTrip) {
    QByteArray file = EmptyFile();
    PutRecord(file, 6, 1,
              Record("M\xFC"
                     "ller \x80\x9D",
                     "00:10:00"));
    PutRecord(file, 6, 2, Record("\xDF\xE4\xF6", "00:20:00"));
    WriteBytes(DatName(), file);

    LoadStatistics(DatName());
    EXPECT_EQ(Result(6, 1).Name(), QStringLiteral("Müller €\u009D"));
    EXPECT_EQ(Result(6, 2).Name(), QStringLiteral("ßäö"));
    SaveStatistics(DatName());
    EXPECT_EQ(ReadBytes(DatName()), file);

    AddResult(5, QStringLiteral("Zoë ✓ 😀"), QStringLiteral("00:00:09"));
    SaveStatistics(DatName());
    PutRecord(file, 5, 1, Record("Zo\xEB ? ?", "00:00:09"));
    EXPECT_EQ(ReadBytes(DatName()), file);
}

TEST_F(StatisticsFile, MissingFileEmptiesTheListsButKeepsTheirCharacters) {
    AddResult(1, QStringLiteral("Eva"), QStringLiteral("00:00:30"));
    LoadStatistics(DatName());
    EXPECT_FALSE(Result(1, 1).IsUsed());

    SaveStatistics(DatName());
    QByteArray expected = EmptyFile();
    PutRecord(expected, 1, 1, Record("Eva", "00:00:30"));
    expected[0] = 0;
    expected[16] = 0;
    EXPECT_EQ(ReadBytes(DatName()), expected);
}

TEST_F(StatisticsFile, ShortFileLoadsTheRecordsItHolds) {
    QByteArray file = EmptyFile();
    for (int rank = 1; rank <= 10; ++rank)
        for (int size = 1; size <= 6; ++size)
            PutRecord(file, size, rank,
                      Record("R" + QByteArray::number(rank * 10 + size),
                             Clock(rank * 60 + size).toLatin1()));
    WriteBytes(DatName(), file.left(700)); // 28 records: ranks 1..4 complete, rank 5 sizes 1..4

    // Leftovers of an earlier set keep their characters behind zero lengths.
    for (int size = 1; size <= 6; ++size)
        for (int rank = 1; rank <= 10; ++rank)
            Result(size, rank).SetName(QStringLiteral("alt"));
    LoadStatistics(DatName());

    EXPECT_EQ(Names(1), QStringList({"R11", "R21", "R31", "R41", "R51"}));
    EXPECT_EQ(Names(4), QStringList({"R14", "R24", "R34", "R44", "R54"}));
    EXPECT_EQ(Names(5), QStringList({"R15", "R25", "R35", "R45"}));
    EXPECT_EQ(Times(6).last(), QStringLiteral("00:04:06"));

    SaveStatistics(DatName());
    QByteArray expected = file.left(700);
    for (int record = 28; record < 60; ++record) {
        QByteArray leftover = Record("alt", "");
        leftover[0] = 0;
        expected += leftover;
    }
    EXPECT_EQ(ReadBytes(DatName()), expected);
}

TEST_F(StatisticsFile, LongFileIsReadAndSavedAsItsSixtyRecordsOnly) {
    QByteArray file = EmptyFile();
    PutRecord(file, 2, 1, Record("Tim", "00:03:00"));
    WriteBytes(DatName(), file + "fremde Daten");
    // A huge sparse file behind the records, as a damaged or planted file may be: it is
    // neither read nor copied.
    ASSERT_TRUE(QFile::resize(DatName(), qint64(64) * 1024 * 1024));

    LoadStatistics(DatName());
    EXPECT_EQ(Names(2), QStringList({"Tim"}));
    AddResult(2, QStringLiteral("Eva"), QStringLiteral("00:01:00"));
    SaveStatistics(DatName());

    QByteArray expected = EmptyFile();
    PutRecord(expected, 2, 1, Record("Eva", "00:01:00"));
    PutRecord(expected, 2, 2, Record("Tim", "00:03:00"));
    EXPECT_EQ(ReadBytes(DatName()), expected);
}

TEST_F(StatisticsFile, DamagedLengthBytesAreLimitedToTheCapacity) {
    QByteArray record = Record("ABCDEFGHIJKLMNO", "00:00:01");
    record[0] = static_cast<char>(200);
    record[16] = static_cast<char>(99);
    QByteArray file = EmptyFile();
    PutRecord(file, 3, 1, record);
    PutRecord(file, 3, 2, Record("Z", "00:00:00"));
    WriteBytes(DatName(), file);

    LoadStatistics(DatName());
    EXPECT_EQ(Result(3, 1).Name(), QStringLiteral("ABCDEFGHIJKLMNO"));
    EXPECT_EQ(Result(3, 1).Time(), QStringLiteral("00:00:01"));
    SortResults(3);
    EXPECT_EQ(Names(3), QStringList({"Z", "ABCDEFGHIJKLMNO"}));
}

TEST_F(StatisticsFile, ClearingTakesTheSizeOutOfTheTotalOfTheCurrentKind) {
    AddResult(2, QStringLiteral("Ute"), QStringLiteral("00:01:00"));
    AddResult(3, QStringLiteral("Udo"), QStringLiteral("00:01:00"));
    PuzzleSolved[2] = 4;
    PuzzleSolvedTotal = 10;
    MemorySolved[2] = 3;
    MemorySolvedTotal = 3;

    ClearResults(2, false);
    EXPECT_FALSE(Result(2, 1).IsUsed());
    EXPECT_TRUE(Result(3, 1).IsUsed());
    EXPECT_EQ(PuzzleSolved[2], 0);
    EXPECT_EQ(PuzzleSolvedTotal, 6);
    EXPECT_EQ(MemorySolved[2], 3);
    EXPECT_EQ(MemorySolvedTotal, 3);

    PlayMode = ModeMemory;
    MemorySolved[4] = 7; // more than the total: a hand-edited file
    ClearResults(4, true);
    EXPECT_EQ(MemorySolved[4], 0);
    EXPECT_EQ(MemorySolvedTotal, 0);
    EXPECT_EQ(PuzzleSolvedTotal, 6);

    MemorySolvedTotal = -2147483647 - 1;
    MemorySolved[1] = 5;
    ClearResults(1, true);
    EXPECT_EQ(MemorySolvedTotal, 0);
}

TEST_F(StatisticsFile, PuzzleModesShareOneFileAndMemoryHasItsOwn) {
    const QString dir = folder.path() + QLatin1Char('/');
    EXPECT_EQ(StatisticsFileNameFor(dir, ModeStandard), dir + QStringLiteral("tessaly.dat"));
    EXPECT_EQ(StatisticsFileNameFor(dir, ModeKaskade), dir + QStringLiteral("tessaly.dat"));
    EXPECT_EQ(StatisticsFileNameFor(dir, ModeMemory), dir + QStringLiteral("tessaly.mem"));

    // A game start saves the set in memory, switches the file and loads the other set.
    LoadStatistics(StatisticsFileNameFor(dir, ModeStandard));
    AddResult(1, QStringLiteral("Standard"), QStringLiteral("00:00:50"));
    AddResult(1, QStringLiteral("Kaskade"), QStringLiteral("00:00:40"));
    SaveStatistics(StatisticsFileNameFor(dir, ModeStandard));
    LoadStatistics(StatisticsFileNameFor(dir, ModeMemory));
    EXPECT_TRUE(Names(1).isEmpty());
    AddResult(1, QStringLiteral("Memory"), QStringLiteral("00:00:30"));
    SaveStatistics(StatisticsFileNameFor(dir, ModeMemory));
    LoadStatistics(StatisticsFileNameFor(dir, ModeKaskade));

    EXPECT_EQ(Names(1), QStringList({"Kaskade", "Standard"}));
}

TEST_F(StatisticsFile, WriteErrorKeepsFileAndListsSoThePlayerCanTryAgain) {
    WriteBytes(DatName(), EmptyFile());
    MakeReadOnly(DatName());
    AddResult(3, QStringLiteral("Ida"), QStringLiteral("00:05:00"));

    try {
        SaveStatistics(DatName());
        FAIL() << "no error raised";
    } catch (const AppError& error) {
        EXPECT_EQ(error.Message(),
                  QStringLiteral("In %1 kann nicht geschrieben werden").arg(DatName()));
    }
    EXPECT_EQ(ReadBytes(DatName()), EmptyFile());
    EXPECT_EQ(Names(3), QStringList({"Ida"}));

    QFile::setPermissions(DatName(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    SaveStatistics(DatName());
    QByteArray expected = EmptyFile();
    PutRecord(expected, 3, 1, Record("Ida", "00:05:00"));
    EXPECT_EQ(ReadBytes(DatName()), expected);
}

TEST_F(StatisticsFile, SolvedGamesAreCountedForTheKindOfTheMode) {
    PlayMode = ModeKaskade;
    CountSolvedGame(6);
    PlayMode = ModeStandard;
    CountSolvedGame(6);
    PlayMode = ModeMemory;
    CountSolvedGame(1);
    EXPECT_EQ(PuzzleSolved[6], 2);
    EXPECT_EQ(PuzzleSolvedTotal, 2);
    EXPECT_EQ(MemorySolved[1], 1);
    EXPECT_EQ(MemorySolvedTotal, 1);

    MemorySolvedTotal = std::numeric_limits<int>::max();
    CountSolvedGame(1);
    EXPECT_EQ(MemorySolvedTotal, std::numeric_limits<int>::max());
    EXPECT_EQ(MemorySolved[1], 2);
}

TEST_F(StatisticsFile, SizesOutsideOneToSixAreRefused) {
    EXPECT_THROW(AddResult(0, QStringLiteral("X"), QStringLiteral("00:00:01")), std::out_of_range);
    EXPECT_THROW(ClearResults(7, false), std::out_of_range);
    EXPECT_THROW(CountSolvedGame(7), std::out_of_range);
}
