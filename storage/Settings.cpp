#include "storage/Settings.h"

#include "storage/IniFile.h"

#include <algorithm>
#include <limits>

namespace {

const QString sectionPlayer = QStringLiteral("PLAYER");
const QString sectionConfig = QStringLiteral("CONFIG");
const QString sectionPuzzle = QStringLiteral("PUZZLE");
const QString sectionStats = QStringLiteral("STATS");
const QString sectionMemoStats = QStringLiteral("MEMOSTATS");
const QString sectionDialog = QStringLiteral("DIALOG");
const QString keyCount = QStringLiteral("Count");

} // namespace

QString PlayModeText(std::uint8_t mode) {
    switch (mode) {
    case ModeStandard:
        return QStringLiteral("Standard");
    case ModeKaskade:
        return QStringLiteral("Kaskade");
    case ModeMemory:
        return QStringLiteral("Memory");
    default:
        return {};
    }
}

std::uint8_t PlayModeFromText(const QString& text) {
    for (const std::uint8_t mode : {ModeStandard, ModeKaskade, ModeMemory}) {
        if (text == PlayModeText(mode))
            return mode;
    }
    return ModeStandard;
}

void CountSolvedGame(int size) {
    auto& solved = PlayMode == ModeMemory ? MemorySolved : PuzzleSolved;
    int& total = PlayMode == ModeMemory ? MemorySolvedTotal : PuzzleSolvedTotal;
    for (int* counter : {&solved.at(size), &total}) {
        if (*counter < std::numeric_limits<int>::max())
            ++*counter;
    }
}

void ResetSettings() {
    PlayerName = QStringLiteral("Spieler");
    Sound = true;
    Music = true;
    Volume = 50;
    Grid = true;
    Statist = true;
    PlayMode = ModeStandard;
    PuzzleSolved.fill(0);
    PuzzleSolvedTotal = 0;
    MemorySolved.fill(0);
    MemorySolvedTotal = 0;
    PreviewEnabled = true;
    LastFolder.clear();
}

void LoadSettings(const QString& fileName) {
    const IniFile ini(fileName);
    // Numbers are held to their range as they are read, so that an edited or damaged file
    // cannot put a value in play that the program never makes: every later reader (the
    // audio output, the settings dialog, the statistics window) sees the same value.
    const auto counter = [&ini](const QString& section, const QString& key) {
        return std::max(ini.ReadInteger(section, key, 0), 0);
    };
    PlayerName = ini.ReadString(sectionPlayer, QStringLiteral("Name"), QStringLiteral("Spieler"));
    Sound = ini.ReadBool(sectionConfig, QStringLiteral("Sound"), true);
    Music = ini.ReadBool(sectionConfig, QStringLiteral("Music"), true);
    Volume = std::clamp(ini.ReadInteger(sectionConfig, QStringLiteral("Volume"), 50), 0, 100);
    Grid = ini.ReadBool(sectionConfig, QStringLiteral("Grid"), true);
    Statist = ini.ReadBool(sectionConfig, QStringLiteral("Statist"), true);
    PlayMode = PlayModeFromText(
        ini.ReadString(sectionPuzzle, QStringLiteral("Mode"), QStringLiteral("Standard")));
    for (int size = 1; size <= GameSizeCount; ++size) {
        PuzzleSolved[size] = counter(sectionStats, QString::number(size));
        MemorySolved[size] = counter(sectionMemoStats, QString::number(size));
    }
    PuzzleSolvedTotal = counter(sectionStats, keyCount);
    MemorySolvedTotal = counter(sectionMemoStats, keyCount);
    PreviewEnabled = ini.ReadBool(sectionDialog, QStringLiteral("View"), true);
    LastFolder = ini.ReadString(sectionDialog, QStringLiteral("Path"), QString());
}

void SaveSettings(const QString& fileName) {
    IniFile ini(fileName);
    ini.WriteString(sectionPlayer, QStringLiteral("Name"), PlayerName);
    ini.WriteBool(sectionConfig, QStringLiteral("Grid"), Grid);
    ini.WriteBool(sectionConfig, QStringLiteral("Statist"), Statist);
    ini.WriteBool(sectionConfig, QStringLiteral("Sound"), Sound);
    ini.WriteBool(sectionConfig, QStringLiteral("Music"), Music);
    ini.WriteInteger(sectionConfig, QStringLiteral("Volume"), Volume);
    // An unknown mode is not written, so the file keeps the mode it had.
    if (const QString mode = PlayModeText(PlayMode); !mode.isEmpty())
        ini.WriteString(sectionPuzzle, QStringLiteral("Mode"), mode);
    for (int size = 1; size <= GameSizeCount; ++size) {
        ini.WriteInteger(sectionStats, QString::number(size), PuzzleSolved[size]);
        ini.WriteInteger(sectionMemoStats, QString::number(size), MemorySolved[size]);
    }
    ini.WriteInteger(sectionStats, keyCount, PuzzleSolvedTotal);
    ini.WriteInteger(sectionMemoStats, keyCount, MemorySolvedTotal);
    ini.WriteBool(sectionDialog, QStringLiteral("View"), PreviewEnabled);
    ini.WriteString(sectionDialog, QStringLiteral("Path"), LastFolder);
    ini.UpdateFile();
}
