#include "platform/MountedVolumes.h"
#include "platform/AppFolders.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

using Facts = MountedVolumes::MountFacts;
using Kind = MountedVolumes::Kind;

QStringList Paths(const std::vector<MountedVolumes::Volume>& volumes) {
    QStringList paths;
    for (const auto& volume : volumes)
        paths << volume.mountPath;
    return paths;
}

} // namespace

TEST(MountedVolumes, RootFirstThenRealVolumesWithoutPseudoFileSystems) {
    const std::vector<Facts> mounts{
        {"/proc", "proc", "proc", false, true},
        {"/media/anna/STICK", "/dev/sdb1", "vfat", true, true},
        {"/", "overlay", "overlay", false, true},
        {"/dev/shm", "shm", "tmpfs", false, true},
        {"/run/user/1000", "tmpfs", "tmpfs", false, true},
        {"/snap/core/1", "/dev/loop3", "squashfs", false, true},
        {"/home", "/dev/sda3", "ext4", false, true},
        {"/mnt/nas", "server:/export", "nfs4", false, true},
        {"/etc/hosts", "/dev/sda1", "ext4", false, false},
        {"/home", "/dev/sda3", "ext4", false, true},
        {"/run/media/anna/DVD", "/dev/sr0", "iso9660", true, true},
    };
    const auto volumes = MountedVolumes::Select(mounts);
    EXPECT_EQ(Paths(volumes),
              QStringList({"/", "/home", "/media/anna/STICK", "/mnt/nas", "/run/media/anna/DVD"}));
    EXPECT_EQ(volumes[0].kind, Kind::Disk);
    EXPECT_EQ(volumes[1].kind, Kind::Disk);
    EXPECT_EQ(volumes[2].kind, Kind::Removable);
    EXPECT_EQ(volumes[3].kind, Kind::Network);
    EXPECT_EQ(volumes[4].kind, Kind::Optical);
}

TEST(MountedVolumes, RootIsThereEvenWhenTheTableLacksIt) {
    const auto volumes = MountedVolumes::Select({});
    ASSERT_EQ(volumes.size(), 1u);
    EXPECT_EQ(volumes[0].mountPath, "/");
    EXPECT_EQ(MountedVolumes::Current().front().mountPath, "/");
}

TEST(MountedVolumes, RemovableDeviceOutsideMediaIsRemovable) {
    EXPECT_EQ(MountedVolumes::KindOf({"/mnt/karte", "/dev/mmcblk0p1", "exfat", true, true}),
              Kind::Removable);
    EXPECT_EQ(MountedVolumes::KindOf({"/daten", "/dev/nvme0n1p2", "btrfs", false, true}),
              Kind::Disk);
}

TEST(MountedVolumes, FolderWhereAVolumeIsMountedHasItsKind) {
    const std::vector<MountedVolumes::Volume> volumes{
        {"/", Kind::Disk}, {"/media/anna/STICK", Kind::Removable}, {"/mnt/nas", Kind::Network}};
    EXPECT_EQ(MountedVolumes::KindMountedAt(volumes, "/media/anna/STICK/"),
              static_cast<int>(Kind::Removable));
    EXPECT_EQ(MountedVolumes::KindMountedAt(volumes, "/mnt/nas"), static_cast<int>(Kind::Network));
    EXPECT_EQ(MountedVolumes::KindMountedAt(volumes, "/mnt"), -1);
    EXPECT_EQ(MountedVolumes::KindMountedAt(volumes, "/media/anna/STICK/Fotos/"), -1);
}

TEST(PicturesDir, TakesTheDesktopsPicturesFolder) {
    const QString home = "/home/anna";
    EXPECT_EQ(
        AppFolders::PicturesDirFromUserDirs("# comment\nXDG_DESKTOP_DIR=\"$HOME/Schreibtisch\"\n"
                                            "XDG_PICTURES_DIR=\"$HOME/Bilder\"\n",
                                            home),
        "/home/anna/Bilder");
    EXPECT_EQ(AppFolders::PicturesDirFromUserDirs("XDG_PICTURES_DIR=\"/daten/Fotos\"", home),
              "/daten/Fotos");
    EXPECT_EQ(
        AppFolders::PicturesDirFromUserDirs("XDG_PICTURES_DIR=\"$HOME/Meine \\\"Fotos\\\"\"", home),
        "/home/anna/Meine \"Fotos\"");
    // The home folder itself means the desktop has no pictures folder.
    EXPECT_EQ(AppFolders::PicturesDirFromUserDirs("XDG_PICTURES_DIR=\"$HOME/\"", home), "");
    EXPECT_EQ(AppFolders::PicturesDirFromUserDirs("XDG_PICTURES_DIR=relativ", home), "");
    EXPECT_EQ(AppFolders::PicturesDirFromUserDirs("", home), "");
}
