#pragma once
// The picture named on the command line ("tessaly PICTURE", as the desktop's "open with"
// starts the program): once the main window runs, it is opened as if the player had chosen
// it in the picture chooser. A file that is missing or cannot be read is named in a notice,
// and the program goes on as after a plain start.

#include <QString>
#include <QStringList>

class TFormPuzzle;

namespace OpenWith {

// The picture of the program's arguments (the first one after the program's name) as an
// absolute path; a "file:" address counts as its local file. Empty when none is given.
QString PictureArgument(const QStringList& arguments);

// The notice for a file that cannot be opened at all ("Die Datei „…“ wurde nicht
// gefunden."), or an empty string when the file can be handed to the main window.
QString Refusal(const QString& file);

// Shows the refusal, or opens the file through the main window's own opening routine
// (size checks with their messages, then the game start dialog).
void Open(TFormPuzzle& window, const QString& file);

// Opens the picture of the arguments, if any, as soon as the event loop runs.
void OpenWhenRunning(TFormPuzzle& window, const QStringList& arguments);

} // namespace OpenWith
