#pragma once
// The entries of a folder as the system lists them, with names of any bytes kept through
// FileNames (Qt's own listing drops names that are not UTF-8), and with what each entry is,
// links followed, found without opening anything.

#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

namespace FolderEntries {

enum class Type { Regular, Folder, Other };

struct Entry {
    QString name; // as FileNames::FromNative gives it
    Type type = Type::Other;
    qint64 size = 0;
    QDateTime modified;
};

// Every entry but "." and "..", hidden ones included, in the order the system gives them.
// A link that leads nowhere is left out. Nothing when the folder cannot be read.
std::optional<std::vector<Entry>> Read(const QString& folder);

// Whether the folder is there and its entries can be listed and looked at.
bool CanList(const QString& folder);

} // namespace FolderEntries
