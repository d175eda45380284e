#pragma once
// The three looping music tracks: a melody over chords in a clear key, played by soft
// instruments in a gentle room, each composed in four sections (A, B, A', C) so that a
// long game does not hear the same phrase again and again. Each track is exactly
// periodic: what rings past its end sounds at its start, and its last bar leads back into
// its first, so the loop has no seam. A track in which a stretch of ten seconds comes back
// unchanged within a minute is refused (std::runtime_error).

#include "Signal.h"

namespace Music {

Signal Track1(); // F major, 4/4, 96 beats a minute, electric piano over plucked chords
Signal Track2(); // G major waltz, 108 beats a minute, marimba over harp and bass
Signal Track3(); // D major, 4/4, 90 beats a minute, plucked melody over piano chords

} // namespace Music
