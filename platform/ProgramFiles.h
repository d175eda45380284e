#pragma once
// Where the program's own files lie: beside the program in the build folder, or in the
// installed layout, where the program is games/tessaly, its libraries lie in lib/tessaly/ and
// its data in share/tessaly/.

#include <QString>

namespace ProgramFiles {

// The help file: beside the program if it lies there, else the installed one if that
// exists, else the name beside the program (so that the missing file can be reported).
QString HelpFile();

// A file of the program's own that lies with its libraries (a library such as
// "libtsaudio.so", the picture reader): beside the program or in the installed library
// folder; empty when neither holds it.
QString Library(const QString& fileName);

// The installed data and library folders of this program file, each ending with "/".
QString InstalledDataDir();
QString InstalledLibraryDir();

} // namespace ProgramFiles
