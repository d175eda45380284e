#pragma once
// The save at a confirmed quit: settings and statistics are written each on its own, and a
// player whose files cannot be written may still end the program.

#include <QString>

namespace ExitSave {

// Writes the settings and then the statistics; a failure of one does not skip the other.
// Each failure is shown in the error box with its message, which names the file; then the
// player is asked in the question box "Beenden" whether to quit without saving. True when
// the program may end: both files were written, or the player answered "Ja" (then nothing
// more is written).
bool SaveForQuit(const QString& iniFileName, const QString& statisticsFileName);

} // namespace ExitSave
