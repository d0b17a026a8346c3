#include <gtest/gtest.h>

#include "platform/system/fixed_drives.h"
#include "platform/system/mount_table.h"
#include "platform/system/system_drives.h"
#include "platform/testing/temp_home.h"

namespace qb {
namespace {

// A desktop with a USB stick, a share, a DVD, a snap and the usual pseudo
// file systems; the root is an overlay as inside a container.
const char* const kMountInfo =
    "22 28 0:21 / /proc rw,relatime - proc proc rw\n"
    "23 28 0:22 / /sys rw,relatime - sysfs sysfs rw\n"
    "24 28 0:6 / /dev rw,relatime - devtmpfs devtmpfs rw,size=1k\n"
    "26 24 0:24 / /dev/shm rw,relatime - tmpfs tmpfs rw\n"
    "28 1 0:50 / / rw,relatime master:1 - overlay overlay rw,lowerdir=/a\n"
    "32 23 0:29 / /sys/fs/cgroup rw,relatime - cgroup2 cgroup2 rw\n"
    "40 28 8:1 / /home rw,relatime shared:2 - ext4 /dev/sda1 rw\n"
    "41 28 8:17 / /media/dj/MEIN\\040STICK rw,nosuid shared:3 - vfat /dev/sdb1 rw\n"
    "42 28 0:60 / /mnt/nas rw shared:4 master:5 - cifs //nas/musik rw\n"
    "43 28 11:0 / /media/dj/DVD ro - iso9660 /dev/sr0 ro\n"
    "44 28 7:0 / /snap/core/1 ro - squashfs /dev/loop0 ro\n"
    "45 28 0:70 / /run/user/1000 rw - tmpfs tmpfs rw\n"
    "46 28 0:71 / /run/user/1000/gvfs rw - fuse.gvfsd-fuse gvfsd-fuse rw\n"
    "47 28 0:72 / /mnt/ssh rw - fuse.sshfs dj@host: rw\n"
    "48 28 8:33 / /mnt/win rw - fuseblk /dev/sdc1 rw\n"
    "49 28 0:73 / /tmp rw - ramfs ramfs rw\n"
    "50 28 0:74 / /proc/sys/fs/binfmt_misc rw - autofs systemd-1 rw\n"
    "51 28 8:1 / /home rw - ext4 /dev/sda1 rw\n"        // mounted twice: listed once
    "broken line without separator\n"
    "52 28 8:2 / /short - ext4\n";

TEST(MountTable, ParsesEntriesAndUndoesEscapes) {
    const auto mounts = mounts::parseMountInfo(kMountInfo);
    ASSERT_EQ(mounts.size(), 18u);
    EXPECT_EQ(mounts[4].mountPoint, "/");
    EXPECT_EQ(mounts[4].type, "overlay");
    EXPECT_EQ(mounts[7].mountPoint, "/media/dj/MEIN STICK");
    EXPECT_EQ(mounts[7].source, "/dev/sdb1");
    EXPECT_EQ(mounts::parseMountInfo("1 2 0:1 / /a\\134b\\011c\\012d\\04 rw - ext4 /dev/x rw\n")[0].mountPoint,
              "/a\\b\tc\nd\\04");
}

TEST(MountTable, OnlyUsableFileSystemsAreDrives) {
    EXPECT_EQ(mounts::driveMountPoints(mounts::parseMountInfo(kMountInfo)),
              (std::vector<std::string>{"/", "/home", "/media/dj/DVD", "/media/dj/MEIN STICK", "/mnt/nas", "/mnt/ssh",
                                        "/mnt/win"}));
}

TEST(Drives, SplitsAtTheLongestMountPoint) {
    const std::vector<std::string> mounts{"/", "/media/dj/MEIN STICK", "/media/dj/MEIN", "/mnt/nas"};
    struct Case {
        std::string path;
        std::optional<DrivePath> expected;
    };
    const Case cases[] = {
        {"/home/dj/Musik", DrivePath{"/", "home/dj/Musik"}},
        {"/media/dj/MEIN STICK/Musik/", DrivePath{"/media/dj/MEIN STICK", "Musik"}},
        {"/media/dj/MEIN/Musik", DrivePath{"/media/dj/MEIN", "Musik"}},
        {"/media/dj/MEINS/Musik", DrivePath{"/", "media/dj/MEINS/Musik"}},  // whole folders only
        {"/mnt/nas", DrivePath{"/mnt/nas", ""}},
        {"//mnt//nas/./a/../Musik", DrivePath{"/mnt/nas", "Musik"}},
        {"/", DrivePath{"/", ""}},
        {"Musik", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(Drives::splitAmong(mounts, c.path), c.expected) << c.path;
    EXPECT_EQ(Drives::splitAmong({"/mnt/nas"}, "/home/dj"), std::nullopt);
}

TEST(Drives, JoinsThePathBelowAnotherDrive) {
    EXPECT_EQ(Drives::join("/", "Musik"), "/Musik");
    EXPECT_EQ(Drives::join("/media/usb", "home/dj/Musik"), "/media/usb/home/dj/Musik");
    EXPECT_EQ(Drives::join("/media/usb", ""), "/media/usb");
}

TEST(Drives, FixedDrivesStandInForMountPoints) {
    const std::string b = testing::makeTempDir("b"), a = testing::makeTempDir("a");
    FixedDrives drives({b, a, b});
    EXPECT_EQ(drives.mountPoints(), (std::vector<std::string>{a, b}));
    EXPECT_EQ(drives.split(b + "/Musik/Pop"), (DrivePath{b, "Musik/Pop"}));
}

TEST(Drives, TheRunningSystemHasItsRootAsADrive) {
    SystemDrives drives;
    const auto points = drives.mountPoints();
    ASSERT_FALSE(points.empty());
    EXPECT_EQ(points.front(), "/");
    EXPECT_TRUE(std::is_sorted(points.begin(), points.end()));
    for (const auto& p : points) {
        EXPECT_NE(p, "/proc");
        EXPECT_NE(p, "/sys");
        EXPECT_NE(p, "/dev/shm");
    }
    ASSERT_TRUE(drives.split(testing::privateHome()));
}

}  // namespace
}  // namespace qb
