#include "storage/StoredFile.h"

#include "platform/AppError.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

namespace StoredFile {

QString WriteErrorText(const QString& fileName) {
    return QStringLiteral("In %1 kann nicht geschrieben werden").arg(fileName);
}

QString ReadErrorText(const QString& fileName) {
    return QStringLiteral("Die Datei %1 kann nicht gelesen werden").arg(fileName);
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
    const QFileInfo existing(fileName);
    if (existing.exists() && !(existing.permissions() & QFileDevice::WriteOwner))
        throw AppError(WriteErrorText(fileName));

    QSaveFile file(fileName);
    file.setDirectWriteFallback(false);
    // Unbuffered, so that every byte reaches the system inside write() and a full disk shows
    // in its result: a buffered write would only fail when commit() flushes it, and commit()
    // would then rename the empty temporary file over the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw AppError(WriteErrorText(fileName));
    if (file.write(bytes) != bytes.size() || !file.flush() ||
        file.error() != QFileDevice::NoError) {
        file.cancelWriting();
        throw AppError(WriteErrorText(fileName));
    }
    if (!file.commit())
        throw AppError(WriteErrorText(fileName));
}

void RemoveLeftovers(const QString& fileName) {
    const QFileInfo file(fileName);
    const QRegularExpression leftover(QRegularExpression::anchoredPattern(
        QRegularExpression::escape(file.fileName()) + QStringLiteral("\\.[A-Za-z0-9]{6}")));
    QDir folder = file.absoluteDir();
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (leftover.match(name).hasMatch())
            folder.remove(name);
    }
}

} // namespace StoredFile
