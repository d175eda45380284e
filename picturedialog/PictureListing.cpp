#include "picturedialog/PictureListing.h"

#include <QCollator>
#include <QDir>
#include <QFileInfo>
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
    static const QString accepted = QStringLiteral(".bmp.jpg.wmf").toUpper();
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot < 0)
        return false;
    const QString extension = name.mid(dot).toUpper();
    return accepted.contains(extension);
}

std::vector<PictureEntry> PictureListing::ListPictureFiles(const QString& folder) {
    const QDir dir(folder);
    const QFileInfoList infos = dir.entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::NoSort);
    QStringList names;
    std::vector<const QFileInfo*> pictures;
    for (const QFileInfo& info : infos) {
        if (!IsPictureName(info.fileName()))
            continue;
        names << info.fileName();
        pictures.push_back(&info);
    }
    std::vector<PictureEntry> entries;
    entries.reserve(pictures.size());
    for (int index : SortedOrder(names)) {
        const QFileInfo& info = *pictures[static_cast<std::size_t>(index)];
        PictureEntry entry;
        entry.name = info.fileName();
        entry.isFolder = info.isDir();
        entry.size = entry.isFolder ? 0 : std::max<qint64>(info.size(), 0);
        entry.modified = info.lastModified();
        entries.push_back(std::move(entry));
    }
    return entries;
}

QStringList PictureListing::FolderNames(const QString& folder) {
    // The directory filter also lets through links to devices, pipes and sockets (they are
    // no files either); only what is a folder, itself or at the end of its link, is one.
    QStringList names;
    for (const QFileInfo& info :
         QDir(folder).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::NoSort)) {
        if (info.isDir())
            names << info.fileName();
    }
    SortNames(names);
    return names;
}

bool PictureListing::CanRead(const QString& folder) {
    const QFileInfo info(folder);
    return info.isDir() && info.isReadable() && info.isExecutable();
}

void PictureListing::SortNames(QStringList& names) {
    QStringList sorted;
    sorted.reserve(names.size());
    for (int index : SortedOrder(names))
        sorted << names[index];
    names = std::move(sorted);
}
