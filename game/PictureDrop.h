#pragma once
// Pictures dragged from a file manager onto the game window (a list of file addresses,
// text/uri-list): the first local file opens as the desktop's "open with" would open it,
// with the same notice for a folder or a file that is no picture. While a dialog is open,
// the window takes no drop.

#include <QString>

class QMimeData;
class TFormPuzzle;

namespace PictureDrop {

// The first local file or folder of the dragged data, or an empty string.
QString FileOf(const QMimeData* data);

// Whether the window takes this drop now: it offers a local file and no dialog is open.
bool Accepts(const QMimeData* data);

// Opens `file` once the drop itself has ended, so that the file manager is not kept
// waiting while the game start dialog is open.
void Open(TFormPuzzle& window, const QString& file);

} // namespace PictureDrop
