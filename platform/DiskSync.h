#pragma once
// Asks the system to put what was written to an open file onto the disk itself, so that a
// file renamed into place after it survives a power cut with its bytes.

#include <QFileDevice>

namespace DiskSync {

// True when the file's data reached the disk (or the file system has no such notion).
bool Flush(QFileDevice& file);

} // namespace DiskSync
