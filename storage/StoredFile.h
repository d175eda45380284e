#pragma once
// Reading and safely replacing the program's data files; failures become AppErrors that name
// the file.

#include <QByteArray>
#include <QString>
#include <optional>

namespace StoredFile {

// The whole file, or nothing when there is no file of that name. A file that exists but
// cannot be read raises "Die Datei <name> kann nicht gelesen werden".
std::optional<QByteArray> ReadIfExists(const QString& fileName, qint64 maxBytes = -1);

// Writes the bytes to a temporary file in the same folder, flushes it to the disk and only
// then renames it over the old file, so a crash or a full disk never leaves a half-written
// file behind. A read-only file is refused like the system refuses to write into it. Any
// failure raises "In <name> kann nicht geschrieben werden" and leaves the old file as it was.
void Replace(const QString& fileName, const QByteArray& bytes);

// Removes what an interrupted Replace() of the file left behind: its temporary copies, named
// after the file plus a dot and six letters or digits. Only one copy of the program runs at a
// time, so at start-up every such copy is a leftover. Nothing else is touched.
void RemoveLeftovers(const QString& fileName);

QString WriteErrorText(const QString& fileName);
QString ReadErrorText(const QString& fileName);

} // namespace StoredFile
