#pragma once
// The player's settings and the counters of solved games: program-wide values that the
// windows read and change, loaded from the settings file at start-up and saved at exit.

#include <QString>
#include <array>
#include <cstdint>

// Game modes as held in PlayMode.
inline constexpr std::uint8_t ModeStandard = 0;
inline constexpr std::uint8_t ModeKaskade = 1;
inline constexpr std::uint8_t ModeMemory = 2;

// The number of game sizes; counters and best-time lists are indexed 1..GameSizeCount.
inline constexpr int GameSizeCount = 6;

// The player whose name new best times get.
inline QString PlayerName = QStringLiteral("Spieler");

// Sound, music and output volume (0..100).
inline bool Sound = true;
inline bool Music = true;
inline int Volume = 50;

// Grid lines over the board, statistics window after every solved game.
inline bool Grid = true;
inline bool Statist = true;

// The last game mode: ModeStandard, ModeKaskade or ModeMemory.
inline std::uint8_t PlayMode = ModeStandard;

// Solved games per size (entries 1..6; entry 0 is never used) and in total.
inline std::array<int, GameSizeCount + 1> PuzzleSolved{};
inline int PuzzleSolvedTotal = 0;
inline std::array<int, GameSizeCount + 1> MemorySolved{};
inline int MemorySolvedTotal = 0;

// The picture chooser's preview switch and the folder it showed last ("" for none).
inline bool PreviewEnabled = true;
inline QString LastFolder;

// Counts a solved game of the size (1..6) for the kind of the current PlayMode, per size
// and in total. The counters stop at the largest int instead of wrapping round.
void CountSolvedGame(int size);

// Reads every setting from the file; missing keys and values that do not parse take their
// defaults, a missing file gives all defaults. Numbers outside their range are held to it:
// the volume to 0..100, the counters to 0 and above.
void LoadSettings(const QString& fileName);

// Writes every setting into the file, keeping whatever else it holds. Raises
// "In <file> kann nicht geschrieben werden" when the file cannot be replaced; the file on
// disk then stays as it was.
void SaveSettings(const QString& fileName);

// Puts every value above back to its default (what a first start without a file sees).
void ResetSettings();

// "Standard", "Kaskade" or "Memory"; empty for any other value.
QString PlayModeText(std::uint8_t mode);

// The mode of a text; anything but the exact names gives ModeStandard.
std::uint8_t PlayModeFromText(const QString& text);
