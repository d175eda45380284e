#pragma once
// Where the program finds itself and keeps its files. Every folder name ends with "/".

#include <QString>

namespace AppFolders {

// Folder of the running program file.
QString ProgramDir();

// Makes ProgramDir() answer `folder` instead (tests that need a program folder of their
// own); an empty folder restores the real one.
void OverrideProgramDir(const QString& folder);

// $XDG_CONFIG_HOME (or ~/.config) + "/Tessaly/": the settings.
QString SettingsDir();

// The user's documents folder + "/Tessaly/": statistics and favorites.
QString DataDir();

// DataDir() + "Favoriten/".
QString FavoritesDir(const QString& dataDir);

// The user's pictures folder as the desktop names it (XDG_PICTURES_DIR, "Bilder" on a
// German desktop), or the home folder when none is set up. Whether it exists is not tested.
QString PicturesDir();

// The pictures folder named in the text of a user-dirs.dirs file, with $HOME replaced by
// `home`; empty when the text names none (or only the home folder itself).
QString PicturesDirFromUserDirs(const QString& text, const QString& home);

// Creates the folder with all missing parents; true if it exists afterwards.
bool ForceFolder(const QString& path);

} // namespace AppFolders
