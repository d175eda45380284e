#include "platform/MountedVolumes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QStorageInfo>
#include <algorithm>

namespace {

const QSet<QString>& NetworkTypes() {
    static const QSet<QString> types{
        QStringLiteral("nfs"),        QStringLiteral("nfs4"),       QStringLiteral("cifs"),
        QStringLiteral("smbfs"),      QStringLiteral("smb3"),       QStringLiteral("fuse.sshfs"),
        QStringLiteral("sshfs"),      QStringLiteral("ceph"),       QStringLiteral("glusterfs"),
        QStringLiteral("fuse.davfs"), QStringLiteral("davfs"),      QStringLiteral("afs"),
        QStringLiteral("9p"),         QStringLiteral("fuse.rclone")};
    return types;
}

const QSet<QString>& OpticalTypes() {
    static const QSet<QString> types{QStringLiteral("iso9660"), QStringLiteral("udf")};
    return types;
}

bool IsUnder(const QString& path, const QString& folder) {
    return path == folder || path.startsWith(folder + QLatin1Char('/'));
}

// /sys/class/block/<name>/removable, for a partition that of the disk it belongs to.
bool IsRemovableDevice(const QString& device) {
    if (!device.startsWith(QStringLiteral("/dev/")))
        return false;
    const QString name = QFileInfo(QFileInfo(device).canonicalFilePath()).fileName();
    if (name.isEmpty())
        return false;
    const QString block = QStringLiteral("/sys/class/block/") + name;
    for (const QString& flag :
         {block + QStringLiteral("/removable"), block + QStringLiteral("/../removable")}) {
        QFile file(flag);
        if (file.open(QIODevice::ReadOnly))
            return file.readAll().trimmed() == "1";
    }
    return false;
}

} // namespace

bool MountedVolumes::IsBrowsable(const MountFacts& facts) {
    if (!facts.isFolder || facts.mountPath.isEmpty())
        return false;
    if (facts.mountPath == QLatin1String("/"))
        return true;
    if (NetworkTypes().contains(facts.fileSystemType))
        return true;
    // Real volumes sit on a device node; loop devices carry images such as snaps.
    if (!facts.device.startsWith(QStringLiteral("/dev/")) ||
        facts.device.startsWith(QStringLiteral("/dev/loop")))
        return false;
    for (const char* system : {"/proc", "/sys", "/dev", "/snap"})
        if (IsUnder(facts.mountPath, QLatin1String(system)))
            return false;
    // Below /run only the volumes the desktop mounts for the player.
    if (IsUnder(facts.mountPath, QStringLiteral("/run")) &&
        !IsUnder(facts.mountPath, QStringLiteral("/run/media")))
        return false;
    static const QSet<QString> pseudo{QStringLiteral("squashfs"), QStringLiteral("overlay"),
                                      QStringLiteral("tmpfs"), QStringLiteral("devtmpfs"),
                                      QStringLiteral("ramfs")};
    return !pseudo.contains(facts.fileSystemType);
}

int MountedVolumes::KindMountedAt(const std::vector<Volume>& volumes, const QString& folder) {
    const QString path = QDir::cleanPath(folder);
    for (const Volume& volume : volumes)
        if (volume.mountPath == path)
            return static_cast<int>(volume.kind);
    return -1;
}

MountedVolumes::Kind MountedVolumes::KindOf(const MountFacts& facts) {
    if (NetworkTypes().contains(facts.fileSystemType))
        return Kind::Network;
    if (OpticalTypes().contains(facts.fileSystemType) ||
        facts.device.startsWith(QStringLiteral("/dev/sr")) ||
        facts.device.startsWith(QStringLiteral("/dev/cdrom")))
        return Kind::Optical;
    if (facts.mountPath != QLatin1String("/") &&
        (facts.removableDevice || IsUnder(facts.mountPath, QStringLiteral("/media")) ||
         IsUnder(facts.mountPath, QStringLiteral("/run/media"))))
        return Kind::Removable;
    return Kind::Disk;
}

std::vector<MountedVolumes::Volume> MountedVolumes::Select(const std::vector<MountFacts>& mounts) {
    std::vector<Volume> volumes{{QStringLiteral("/"), Kind::Disk}};
    QSet<QString> seen{QStringLiteral("/")};
    for (const MountFacts& facts : mounts) {
        if (facts.mountPath == QLatin1String("/")) {
            volumes.front().kind = KindOf(facts);
            continue;
        }
        if (!IsBrowsable(facts) || seen.contains(facts.mountPath))
            continue;
        seen.insert(facts.mountPath);
        volumes.push_back({facts.mountPath, KindOf(facts)});
    }
    std::sort(volumes.begin() + 1, volumes.end(),
              [](const Volume& a, const Volume& b) { return a.mountPath < b.mountPath; });
    return volumes;
}

std::vector<MountedVolumes::Volume> MountedVolumes::Current() {
    std::vector<MountFacts> mounts;
    for (const QStorageInfo& storage : QStorageInfo::mountedVolumes()) {
        MountFacts facts;
        facts.mountPath = QDir::cleanPath(storage.rootPath());
        facts.device = QString::fromLocal8Bit(storage.device());
        facts.fileSystemType = QString::fromLatin1(storage.fileSystemType());
        facts.isFolder = QFileInfo(facts.mountPath).isDir();
        if (facts.mountPath != QLatin1String("/") && !NetworkTypes().contains(facts.fileSystemType))
            facts.removableDevice = IsRemovableDevice(facts.device);
        mounts.push_back(facts);
    }
    return Select(mounts);
}
