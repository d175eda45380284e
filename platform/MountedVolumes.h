#pragma once
// The volumes a player can browse for pictures: the root file system first, then every
// mounted disk, removable, optical or network volume, each with the kind its icon shows.
// Pseudo and virtual file systems (proc, tmpfs, overlays of containers, snaps) are left out.

#include <QString>
#include <vector>

class MountedVolumes {
public:
    enum class Kind { Disk, Optical, Network, Removable };

    struct Volume {
        QString mountPath; // "/" or e.g. "/media/anna/STICK", without a final "/"
        Kind kind = Kind::Disk;
    };

    // What the mount table says about one mounted file system.
    struct MountFacts {
        QString mountPath;
        QString device;         // "/dev/sdb1", "server:/export", "tmpfs", ...
        QString fileSystemType; // "ext4", "vfat", "nfs4", ...
        bool removableDevice = false;
        bool isFolder = true; // false for a single file bound into place
    };

    // The volumes of the running system: "/" first, the others sorted by mount path.
    static std::vector<Volume> Current();

    // The same rule applied to given mount facts (for tests): which entries are shown and
    // as what. "/" is always shown, as a disk unless its facts say otherwise.
    static std::vector<Volume> Select(const std::vector<MountFacts>& mounts);

    // The kind of the volume mounted at `folder` (with or without its final "/"), or -1
    // when no shown volume is mounted there.
    static int KindMountedAt(const std::vector<Volume>& volumes, const QString& folder);

    // The kind of a shown volume.
    static Kind KindOf(const MountFacts& facts);

    // False for pseudo and virtual file systems and for loop devices.
    static bool IsBrowsable(const MountFacts& facts);
};
