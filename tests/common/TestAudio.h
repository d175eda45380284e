#pragma once
// The audio engine for tests: the game's binding table is pointed at the engine linked
// into the test, which mixes for an output without a device. The engine's state (which
// slot's stream plays, what comes out) is what the tests look at.

#include <cstdint>
#include <vector>

class ManualOutput;

namespace TestAudio {

// Binds the table and opens the engine on a fresh output; the game's own BASS_Init then
// finds it open and keeps it. Returns that output.
ManualOutput& Open();

// How often the game has set the output volume since Open().
int VolumeCalls();

// Releases the engine and clears the table.
void Close();

// Whether the stream in the game's slot plays.
bool Playing(int slot);

// The slots (1..8) whose streams play, in ascending order.
std::vector<int> PlayingSlots();

// The slot of the most recently created stream that still plays; 0 if none plays.
int LastPlayingSlot();

} // namespace TestAudio
