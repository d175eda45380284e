#include "storage/StoredFile.h"

#include "platform/AppError.h"
#include "platform/DiskSync.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <filesystem>
#include <system_error>

namespace {

const QString TemporaryPrefix = QStringLiteral(".~tessaly-");
const QString TemporarySuffix = QStringLiteral(".tmp");

std::filesystem::path NativePath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

// The file a link names, followed link by link, so that a saved file that is a link stays
// one; the name itself when it is no link (or the links go round in circles).
QString FinalFile(const QString& fileName) {
    QFileInfo info(fileName);
    for (int depth = 0; depth < 40 && info.isSymLink(); ++depth)
        info.setFile(info.symLinkTarget());
    return info.isSymLink() ? fileName : info.filePath();
}

// Creates the temporary file anew, so that it is never written through a link planted under
// its name. A leftover of an earlier, interrupted save is removed first.
bool OpenTemporary(QFile& file) {
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
        return true;
    QFile::remove(file.fileName());
    return file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered);
}

} // namespace

namespace StoredFile {

QString WriteErrorText(const QString& fileName) {
    return QStringLiteral("In %1 kann nicht geschrieben werden").arg(fileName);
}

QString ReadErrorText(const QString& fileName) {
    return QStringLiteral("Die Datei %1 kann nicht gelesen werden").arg(fileName);
}

QString TemporaryName(const QString& name) {
    return TemporaryPrefix + name + TemporarySuffix;
}

std::optional<QByteArray> ReadIfExists(const QString& fileName, qint64 maxBytes) {
    const QFileInfo info(fileName);
    if (!info.exists())
        return std::nullopt;
    QFile file(fileName);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly))
        throw AppError(ReadErrorText(fileName));
    const QByteArray bytes = maxBytes < 0 ? file.readAll() : file.read(maxBytes);
    if (file.error() != QFileDevice::NoError)
        throw AppError(ReadErrorText(fileName));
    return bytes;
}

void Replace(const QString& fileName, const QByteArray& bytes) {
    // The owner's write bit decides, not access(): an administrator may write anywhere, but
    // a file the player marked read-only must stay as it is.
    const QString target = FinalFile(fileName);
    const QFileInfo existing(target);
    if (existing.exists() && !(existing.permissions() & QFileDevice::WriteOwner))
        throw AppError(WriteErrorText(fileName));

    QFile file(existing.dir().filePath(TemporaryName(existing.fileName())));
    // Unbuffered, so that every byte reaches the system inside write() and a full disk shows
    // in its result.
    if (!OpenTemporary(file))
        throw AppError(WriteErrorText(fileName));
    const auto abandon = [&] {
        file.close();
        file.remove();
        throw AppError(WriteErrorText(fileName));
    };
    if (existing.exists() && !file.setPermissions(existing.permissions()))
        abandon();
    if (file.write(bytes) != bytes.size() || !file.flush() ||
        file.error() != QFileDevice::NoError || !DiskSync::Flush(file))
        abandon();
    file.close();
    if (file.error() != QFileDevice::NoError)
        abandon();
    // rename() replaces the old file in one step: a reader sees the old or the new bytes.
    std::error_code error;
    std::filesystem::rename(NativePath(file.fileName()), NativePath(target), error);
    if (error)
        abandon();
}

void RemoveLeftovers(const QString& folder) {
    QDir dir(folder);
    const QStringList names =
        dir.entryList({TemporaryName(QStringLiteral("*"))},
                      QDir::Files | QDir::Hidden | QDir::System | QDir::CaseSensitive);
    for (const QString& name : names) {
        // The name filter's "*" may stand for nothing; a temporary file always names a file.
        if (name.size() > TemporaryName(QString()).size())
            dir.remove(name);
    }
}

} // namespace StoredFile
