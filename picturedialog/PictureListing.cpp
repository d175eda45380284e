#include "picturedialog/PictureListing.h"

#include "platform/FolderEntries.h"
#include "platform/PictureFile.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>
#include <numeric>

namespace {

QCollator NameCollator() {
    QCollator collator(QLocale::system());
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    collator.setNumericMode(false);
    return collator;
}

// The order of `names` by the collator's sort keys, which are much cheaper to compare
// than the names themselves once a folder holds thousands of files.
std::vector<int> SortedOrder(const QStringList& names) {
    const QCollator collator = NameCollator();
    std::vector<QCollatorSortKey> keys;
    keys.reserve(static_cast<std::size_t>(names.size()));
    for (const QString& name : names)
        keys.push_back(collator.sortKey(name));
    std::vector<int> order(static_cast<std::size_t>(names.size()));
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](int a, int b) {
        const int byKey =
            keys[static_cast<std::size_t>(a)].compare(keys[static_cast<std::size_t>(b)]);
        if (byKey != 0)
            return byKey < 0;
        return names[a] < names[b];
    });
    return order;
}

} // namespace

bool PictureListing::IsPictureName(const QString& name) {
    return PictureFile::KindByExtension(name).has_value();
}

std::vector<PictureEntry> PictureListing::ListPictureFiles(const QString& folder) {
    const std::optional<std::vector<FolderEntries::Entry>> found = FolderEntries::Read(folder);
    if (!found)
        return {};
    // A FIFO, a device or a socket is never a picture, whatever its name says.
    QStringList names;
    std::vector<const FolderEntries::Entry*> pictures;
    for (const FolderEntries::Entry& candidate : *found) {
        if (candidate.type == FolderEntries::Type::Other || !IsPictureName(candidate.name))
            continue;
        names << candidate.name;
        pictures.push_back(&candidate);
    }
    std::vector<PictureEntry> entries;
    entries.reserve(pictures.size());
    for (int index : SortedOrder(names)) {
        const FolderEntries::Entry& found = *pictures[static_cast<std::size_t>(index)];
        PictureEntry entry;
        entry.name = found.name;
        entry.isFolder = found.type == FolderEntries::Type::Folder;
        entry.size = entry.isFolder ? 0 : std::max<qint64>(found.size, 0);
        entry.modified = found.modified;
        entries.push_back(std::move(entry));
    }
    return entries;
}

QStringList PictureListing::FolderNames(const QString& folder) {
    // Only what is a folder, itself or at the end of its link, is one: links to devices,
    // pipes and sockets are no folders. Hidden folders stay out of the tree.
    QStringList names;
    if (const auto found = FolderEntries::Read(folder)) {
        for (const FolderEntries::Entry& entry : *found)
            if (entry.type == FolderEntries::Type::Folder &&
                !entry.name.startsWith(QLatin1Char('.')))
                names << entry.name;
    }
    SortNames(names);
    return names;
}

bool PictureListing::CanRead(const QString& folder) {
    return FolderEntries::CanList(folder);
}

void PictureListing::SortNames(QStringList& names) {
    QStringList sorted;
    sorted.reserve(names.size());
    for (int index : SortedOrder(names))
        sorted << names[index];
    names = std::move(sorted);
}
