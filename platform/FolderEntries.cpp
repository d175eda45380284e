#include "platform/FolderEntries.h"

#include "platform/FileNames.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace FolderEntries {

std::optional<std::vector<Entry>> Read(const QString& folder) {
    const int descriptor =
        ::open(FileNames::ToNative(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        return std::nullopt;
    DIR* dir = ::fdopendir(descriptor);
    if (!dir) {
        ::close(descriptor);
        return std::nullopt;
    }
    std::vector<Entry> entries;
    while (const dirent* found = ::readdir(dir)) {
        const QByteArray name(found->d_name);
        if (name == "." || name == "..")
            continue;
        struct stat info {};
        if (::fstatat(descriptor, found->d_name, &info, 0) != 0)
            continue;
        Entry entry;
        entry.name = FileNames::FromNative(name);
        entry.type = S_ISREG(info.st_mode)   ? Type::Regular
                     : S_ISDIR(info.st_mode) ? Type::Folder
                                             : Type::Other;
        entry.size = S_ISREG(info.st_mode) ? static_cast<qint64>(info.st_size) : 0;
        entry.modified = QDateTime::fromMSecsSinceEpoch(
            static_cast<qint64>(info.st_mtim.tv_sec) * 1000 + info.st_mtim.tv_nsec / 1'000'000);
        entries.push_back(std::move(entry));
    }
    ::closedir(dir);
    return entries;
}

bool CanList(const QString& folder) {
    const QByteArray native = FileNames::ToNative(folder);
    struct stat info {};
    return ::stat(native.constData(), &info) == 0 && S_ISDIR(info.st_mode) &&
           ::access(native.constData(), R_OK | X_OK) == 0;
}

} // namespace FolderEntries
