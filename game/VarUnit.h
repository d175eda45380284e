#pragma once
// The program-wide state of the game and the program's folders and file names, shared by
// the main window and its dialogs. The settings and best-time tables live with the stored
// data.

#include <QString>
#include <array>

class TPuzzleCrap;
class QWidget;

inline constexpr int MaxPieces = 64;

// Folders (each ending with "/") and file names, set once at start-up.
inline QString ProgramDir;
inline QString HelpFileName;
inline QString SettingsDir;
inline QString DataDir;
inline QString FavoritesDir;
inline QString FavoritesFileName;
inline QString IniFileName;
inline QString StatisticsFileName;

// The current game. Entries 1..PieceCount of Pieces and HomeSlots exist while
// PiecesCreated is set; entry 0 is never used.
inline int GameSize = 1;
inline int PieceCount = 0;
inline std::array<TPuzzleCrap*, MaxPieces + 1> Pieces{};
inline std::array<QWidget*, MaxPieces + 1> HomeSlots{};
inline bool PiecesCreated = false;
inline int DoneCount = 0;
inline int ActiveStackNumber = 0;
inline QString PictureFile;
inline bool PictureIsMotif = true;
inline int MotifNumber = 1;

// The memory game: motif number (1..30) of each pair 1..24, the cards turned in the
// current try, and the two cards of the tip that blink.
inline std::array<int, 25> PairMotifs{};
inline int TurnedCount = 0;
inline int FirstCard = 0;
inline int SecondCard = 0;
inline int TipCardA = 0;
inline int TipCardB = 0;
inline bool TipBlinking = false;
inline bool TipLit = false;

// The game clock.
inline int ClockHours = 0;
inline int ClockMinutes = 0;
inline int ClockSeconds = 0;

// Set while a dialog opened from the tool bar is shown; the clock stands meanwhile.
inline bool DialogOpen = false;

// Outcome of the game start dialog: set only when the player chose a size.
inline bool StartConfirmed = false;
