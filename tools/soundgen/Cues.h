#pragma once
// The seven cues of the game: each short, unmistakable and of wood and warm tone.

#include "Signal.h"

namespace Cues {

Signal Start();  // a short rising figure
Signal Drop();   // a dull knock
Signal Take();   // a soft wooden lift
Signal Fit();    // a bright click
Signal Solved(); // a fanfare
Signal Turn();   // a card flip
Signal NoPair(); // a low two-note

} // namespace Cues
