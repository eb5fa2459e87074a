#include "measure/ItemKinds.h"
#include "tests/measure/MeasureFixture.h"

#include <atomic>
#include <chrono>
#include <cstring>
#include <gtest/gtest.h>
#include <thread>

namespace trumbel::test {
namespace {

// Volumes of the fixture's mount points: 4 KiB blocks; "available" is below "free" by the
// blocks reserved for the administrator.
int FakeStatFs(const char* path, struct statvfs* out) {
    std::memset(out, 0, sizeof *out);
    out->f_frsize = 4096;
    const std::string p = path;
    if (p == "/") {
        out->f_blocks = 1000000;
        out->f_bfree = 400000;
        out->f_bavail = 350000;
        return 0;
    }
    if (p == "/home" || p == "/mnt/nfs") {
        out->f_blocks = 2000000;
        out->f_bfree = 1000000;
        out->f_bavail = 1000000;
        return 0;
    }
    return -1; // an empty drive or an unreadable volume
}

std::atomic<bool> releaseNfs{false};
std::atomic<int> nfsCalls{0};

// A network server that does not answer until the test lets it.
int HangingNfsStatFs(const char* path, struct statvfs* out) {
    if (std::string(path) == "/mnt/nfs") {
        ++nfsCalls;
        while (!releaseNfs) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }
    return FakeStatFs(path, out);
}

TEST(Drives, TableListsRootFirstThenRealMountsOnceEach) {
    Measured m("two-cpu", &FakeStatFs);
    struct Row {
        int id;
        const char* mountPoint;
        int type;
    };
    const std::vector<Row> expected{{0, "/", 3},
                                    {1, "/home", 3},
                                    {2, "/tmp", 6},
                                    {3, "/mnt/nfs", 4},
                                    {4, "/media/user/CDROM", 5},
                                    {5, "/media/user/USB STICK", 2},
                                    {6, "/mnt/zram", 6},
                                    {7, "", 1},
                                    {23, "", 1},
                                    {-1, "", 1}};
    for (const Row& r : expected) {
        EXPECT_EQ(m.info->GetDiskMountPoint(r.id), r.mountPoint) << r.id;
        EXPECT_EQ(m.info->GetDiskType(r.id), r.type) << r.id;
    }
    EXPECT_EQ(m.info->GetDiskCount(), 7);
    EXPECT_EQ(SystemInfo::DiskLetter(0), 'C');
    EXPECT_EQ(SystemInfo::DiskLetter(23), 'Z');
}

TEST(Drives, SpaceValuesUseAvailableForTheUserAndWholeFreeForTheVolume) {
    Measured m("two-cpu", &FakeStatFs);
    std::array<float, 4> space{};
    m.info->GetDiskSpaceValue(0, space);
    EXPECT_EQ(space[3], 4096.0f * 1000000);
    EXPECT_EQ(space[0], space[3]);
    EXPECT_EQ(space[1], 4096.0f * 350000);
    EXPECT_EQ(space[2], 4096.0f * 650000);
    EXPECT_EQ(m.Value(kParamDisk, 0, kShowMax), 4096.0f * 1000000);
    EXPECT_EQ(m.Value(kParamDisk, 0, kShowFree), 4096.0f * 400000);
    EXPECT_EQ(m.Value(kParamDisk, 0, kShowUsed), 4096.0f * 600000);
    EXPECT_EQ(m.Value(kParamDisk, 0, kShowTotal), 4096.0f * 1000000);
    EXPECT_EQ(m.Value(kParamDisk, 0, 7), 0.0f);
}

TEST(Drives, MissingOrUnreadableDrivesReadZero) {
    Measured m("two-cpu", &FakeStatFs);
    for (const int id : {4 /* empty CD */, 7 /* no entry */, 40}) {
        std::array<float, 4> space{1, 2, 3, 4};
        m.info->GetDiskSpaceValue(id, space);
        EXPECT_EQ(space, (std::array<float, 4>{0, 0, 0, 0})) << id;
        for (int show = 0; show <= 3; ++show) {
            EXPECT_EQ(m.Value(kParamDisk, id, show), 0.0f) << id;
        }
    }
}

TEST(Drives, HangingNetworkMountNeverHoldsUpTheCaller) {
    releaseNfs = false;
    nfsCalls = 0;
    {
        Measured m("two-cpu", &HangingNfsStatFs);
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < 10; ++i) {
            EXPECT_EQ(m.Value(kParamDisk, 3, kShowTotal), 0.0f);
        }
        const auto waited = std::chrono::steady_clock::now() - start;
        EXPECT_LT(waited, std::chrono::milliseconds(DriveSpaceReader::kFirstAnswerWaitMs * 5));
        EXPECT_EQ(m.Value(kParamDisk, 1, kShowTotal), 4096.0f * 2000000); // local still answers
        releaseNfs = true;
        float total = 0.0f;
        for (int i = 0; i < 1000 && total == 0.0f; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            total = m.Value(kParamDisk, 3, kShowTotal);
        }
        EXPECT_EQ(total, 4096.0f * 2000000);
        EXPECT_EQ(nfsCalls.load() >= 1, true);
    }
    releaseNfs = true;
}

struct ClassifyCase {
    const char* fsType;
    const char* source;
    DriveType type;
};

TEST(Drives, ClassifyMountByFileSystemAndDevice) {
    const std::string sys = std::string(TRUMBEL_TEST_DATA) + "/measure/two-cpu/sys";
    const std::vector<ClassifyCase> cases{
        {"ext4", "/dev/sda2", DriveType::Fixed},
        {"vfat", "/dev/sdb1", DriveType::Removable},
        {"exfat", "/dev/sdb", DriveType::Removable},
        {"ext4", "/dev/nvme0n1p2", DriveType::Fixed},
        {"iso9660", "/dev/sr0", DriveType::Optical},
        {"udf", "/dev/sr0", DriveType::Optical},
        {"nfs4", "server:/export", DriveType::Remote},
        {"cifs", "//server/share", DriveType::Remote},
        {"fuse.sshfs", "user@host:", DriveType::Remote},
        {"tmpfs", "tmpfs", DriveType::RamDisk},
        {"ext4", "/dev/zram0", DriveType::RamDisk},
        {"zfs", "pool/home", DriveType::Fixed},
        {"fuse.mystery", "thing", DriveType::Unknown},
    };
    for (const ClassifyCase& c : cases) {
        EXPECT_EQ(ClassifyMount(c.fsType, c.source, sys), c.type) << c.fsType << " " << c.source;
    }
}

TEST(ItemKinds, CaptionsParamsAndFactors) {
    EXPECT_EQ(ItemKindCaption(4), "ネットワーク受信量(bps)");
    EXPECT_EQ(ItemKindCaption(8), "ディスク容量情報");
    EXPECT_EQ(ItemKindCaption(12), "ディスク書込量(B/S)");
    EXPECT_EQ(ItemKindCaption(15), "");
    const std::array<int, 15> params{0, 1, 2, 3, 4, 5, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    for (int k = 0; k < 15; ++k) {
        EXPECT_EQ(ParamIdOfKind(k), params[static_cast<std::size_t>(k)]);
        EXPECT_EQ(KindFactor(k), k == 4 || k == 5 ? 8 : 1);
    }
    EXPECT_EQ(DriveTypeListText(1), "");
    EXPECT_EQ(DriveTypeOptionsText(1), "(存在しません)");
    EXPECT_EQ(DriveTypeOptionsText(4), "(リモート(ネットワーク)ドライブ)");
    EXPECT_EQ(DriveTypeIcon(5), "icon_cddvd");
}

} // namespace
} // namespace trumbel::test
