#pragma once
// The memory game's arithmetic: pairs and board size per game size, the motifs drawn for
// the pairs and the random order in which the cards are dealt into the grid.

#include <QSize>
#include <vector>

namespace MemoryLayout {

inline constexpr int MotifCount = 30;
inline constexpr int CellSize = 100;

int PairsFor(int gameSize);
QSize BoardFor(int gameSize);

// `pairs` distinct motif numbers from 1..30, in the order drawn.
std::vector<int> DrawMotifs(int pairs);

// The pairs 1..pairs in the random order in which their cards fill the next cells.
std::vector<int> DealOrder(int pairs);

} // namespace MemoryLayout
