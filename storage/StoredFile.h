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
// A symbolic link is written through: the file it names is replaced, the link stays.
void Replace(const QString& fileName, const QByteArray& bytes);

// The temporary file Replace() writes for a file of this name (without its folder):
// ".~tessaly-" + name + ".tmp", a name no person gives a file of their own.
QString TemporaryName(const QString& name);

// Removes what interrupted Replace() calls left behind in the folder: files named exactly
// like their temporary files, TemporaryName() of some name. Only one copy of the program
// runs at a time, so at start-up every such file is a leftover. Nothing else is touched.
void RemoveLeftovers(const QString& folder);

QString WriteErrorText(const QString& fileName);
QString ReadErrorText(const QString& fileName);

} // namespace StoredFile
