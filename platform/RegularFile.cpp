#include "platform/RegularFile.h"

#include "platform/AppError.h"
#include "platform/BoundedDevice.h"
#include "platform/FileNames.h"

#include <QDir>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString Shown(const QString& path) {
    return QDir::toNativeSeparators(FileNames::Displayed(path));
}

RegularFile::Identity IdentityOf(const struct stat& info) {
    RegularFile::Identity identity;
    identity.device = static_cast<quint64>(info.st_dev);
    identity.inode = static_cast<quint64>(info.st_ino);
    identity.size = static_cast<qint64>(info.st_size);
    identity.modifiedNanoseconds =
        static_cast<qint64>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec;
    return identity;
}

[[noreturn]] void ThrowNotRegular(const QString& path) {
    throw AppError(QStringLiteral("Die Datei %1 kann nicht als Bild gelesen werden. Sie ist "
                                  "keine gewöhnliche Datei.")
                       .arg(Shown(path)));
}

} // namespace

RegularFile::Type RegularFile::TypeOf(const QString& path) {
    struct stat info {};
    if (path.isEmpty() || ::stat(FileNames::ToNative(path).constData(), &info) != 0)
        return Type::Missing;
    if (S_ISREG(info.st_mode))
        return Type::Regular;
    if (S_ISDIR(info.st_mode))
        return Type::Folder;
    return Type::Other;
}

RegularFile::RegularFile(const QString& path) : path(path) {
    // The type is looked at before opening, so that a FIFO is never opened; the descriptor
    // is looked at again, in case the name was swapped in between. Without O_NONBLOCK an
    // open of a FIFO would wait for a writer, and O_NOCTTY keeps a terminal from becoming
    // ours.
    switch (TypeOf(path)) {
    case Type::Missing:
        throw AppError(QStringLiteral("Die Datei %1 wurde nicht gefunden.").arg(Shown(path)));
    case Type::Folder:
    case Type::Other:
        ThrowNotRegular(path);
    case Type::Regular:
        break;
    }
    descriptor =
        ::open(FileNames::ToNative(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0)
        throw AppError(QStringLiteral("Die Datei %1 kann nicht geöffnet werden.").arg(Shown(path)));
    struct stat info {};
    if (::fstat(descriptor, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(descriptor);
        descriptor = -1;
        ThrowNotRegular(path);
    }
    identity = IdentityOf(info);
}

RegularFile::~RegularFile() {
    if (descriptor >= 0)
        ::close(descriptor);
}

QByteArray RegularFile::ReadAll(qint64 limit) {
    if (Size() > limit)
        throw AppError(QStringLiteral("Die Datei %1 kann nicht als Bild gelesen werden. Die "
                                      "Datei ist zu groß.")
                           .arg(Shown(path)));
    QByteArray data = ReadAt(0, Size());
    if (data.isEmpty())
        throw AppError(QStringLiteral("Die Datei %1 kann nicht als Bild gelesen werden. Die "
                                      "Datei ist leer.")
                           .arg(Shown(path)));
    return data;
}

QByteArray RegularFile::ReadAt(qint64 offset, qint64 count) {
    count = std::clamp<qint64>(std::min(count, Size() - offset), 0, Size());
    QByteArray data(count, Qt::Uninitialized);
    const qint64 got = BoundedDevice::ReadFully(descriptor, data.data(), count, offset);
    if (got < 0)
        throw AppError(QStringLiteral("Die Datei %1 kann nicht gelesen werden.").arg(Shown(path)));
    data.truncate(got);
    return data;
}

std::unique_ptr<QIODevice> RegularFile::Device() {
    const int copy = ::fcntl(descriptor, F_DUPFD_CLOEXEC, 0);
    if (copy < 0)
        throw AppError(QStringLiteral("Die Datei %1 kann nicht gelesen werden.").arg(Shown(path)));
    return std::make_unique<BoundedDevice>(copy, Size());
}
