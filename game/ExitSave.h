#pragma once
// The save at a confirmed quit: settings, statistics and favorites are written each on its
// own, and a player whose files cannot be written may still end the program.

#include <functional>
#include <initializer_list>

namespace ExitSave {

// Runs the saves in order (settings, statistics, favorites); a failure of one does not skip
// the others. Each failure is shown in the error box with its message, which names the file; then
// the player is asked in the question box "Beenden" whether to quit without saving. True when the
// program may end: every file was written, or the player answered "Ja" (then nothing more is
// written).
bool SaveForQuit(std::initializer_list<std::function<void()>> saves);

} // namespace ExitSave
