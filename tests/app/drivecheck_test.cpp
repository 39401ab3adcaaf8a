#include "drivecheck.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

// Lines of /proc/self/mountinfo as the kernel writes them.
constexpr const char* kMounts =
    "22 1 8:1 / / rw,relatime shared:1 - ext4 /dev/sda1 rw,errors=remount-ro\n"
    "30 22 11:0 / /media/cdrom0 ro,nosuid,nodev shared:5 - iso9660 /dev/sr0 ro,nojoliet\n"
    "31 22 11:1 / /media/dvd ro,relatime shared:6 - udf /dev/sr1 ro,utf8\n"
    "32 22 11:2 / /media/disc ro,relatime - vfat /dev/sr2 ro\n"
    "33 22 8:17 / /media/stick ro,relatime - vfat /dev/sdb1 ro\n"
    "34 22 8:18 / /media/usb rw,relatime - vfat /dev/sdb2 rw\n"
    "35 22 0:40 / /media/my\\040disc ro,relatime - iso9660 /dev/loop0 ro\n"
    "36 22 8:19 / /media/cdrom0/over rw,relatime - ext4 /dev/sdb3 rw\n"
    "37 22 0:41 / /mnt/cd ro,relatime - fuseblk /dev/scd0 ro\n";

struct Case {
    const char* name;
    const char* path;
    bool optical;
};

class OpticalMount : public testing::TestWithParam<Case> {};

TEST_P(OpticalMount, IsRecognised) {
    EXPECT_EQ(drive::IsOpticalMount(kMounts, GetParam().path), GetParam().optical);
}

INSTANTIATE_TEST_SUITE_P(
    Mountinfo, OpticalMount,
    testing::Values(Case{"HardDisk", "/home/user/Veltra", false},
                    Case{"Iso9660", "/media/cdrom0/Veltra", true},
                    Case{"MountPointItself", "/media/cdrom0", true},
                    Case{"Udf", "/media/dvd/Veltra", true},
                    Case{"ReadOnlyOpticalDriveOtherFileSystem", "/media/disc/x", true},
                    Case{"ReadOnlyStickIsNoOpticalDrive", "/media/stick/Veltra", false},
                    Case{"WritableStick", "/media/usb/Veltra", false},
                    Case{"EscapedSpaceInMountPoint", "/media/my disc/Veltra", true},
                    // The deeper mount over the disc holds the path.
                    Case{"MountOverTheDisc", "/media/cdrom0/over/Veltra", false},
                    Case{"SameNamePrefixIsAnotherDirectory", "/media/cdrom0x/Veltra", false},
                    Case{"OldScsiCdName", "/mnt/cd/Veltra", true}),
    [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

TEST(OpticalMount, UnreadableTextIsNoOpticalMedium) {
    EXPECT_FALSE(drive::IsOpticalMount("", "/media/cdrom0/Veltra"));
    EXPECT_FALSE(drive::IsOpticalMount("garbage line\n", "/media/cdrom0/Veltra"));
}

TEST(OpticalFileSystem, Magic) {
    EXPECT_TRUE(drive::IsOpticalFileSystemType(0x9660));
    EXPECT_TRUE(drive::IsOpticalFileSystemType(0x15013346));
    EXPECT_FALSE(drive::IsOpticalFileSystemType(0xEF53));  // ext4
}

// Where nothing can be known the check passes.
TEST(OpticalMedium, UnknownDirectoryPasses) {
    EXPECT_FALSE(drive::IsOnOpticalMedium("/no/such/directory/"));
    EXPECT_FALSE(drive::IsOnOpticalMedium(std::filesystem::temp_directory_path().string()));
}

}  // namespace
