#include "tray/TrayTip.h"

#include "tests/tray/FakeSource.h"

#include <gtest/gtest.h>

namespace trumbel {
namespace {

using test::FakeSource;

TEST(TrayTipText, LabelsUnitsFactorsAndDevices) {
    FakeSource f;
    f.standardStyle[0] = 1; // memory: remaining, values
    f.standardStyle[2] = 5; // CPU: used, percentage
    f.standardStyle[4] = 2; // receive: used, values
    f.standardDigitStyle[4] = 0;
    f.values[{0, 0, 1}] = 1024;  // free
    f.values[{0, 0, 3}] = 4096;  // total
    f.values[{0, 1, 1}] = 999;   // a device the memory tooltip never reads
    f.values[{4, 1, 2}] = 5000;  // used (rate) of interface 1
    f.values[{4, 1, 0}] = 20000; // max of interface 1
    f.values[{4, 0, 2}] = 7;     // interface 0, not configured
    f.percents[{2, 0, 1}] = 12;  // all processors
    f.percents[{2, 2, 1}] = 90;  // processor 2
    f.values[{7, 1, 2}] = 46.6;  // second temperature sensor
    f.captions[{7, 1}] = "k10temp Tctl";
    f.values[{10, 0, 2}] = 102400; // disk write
    f.captions[{10, 0}] = "sda";
    f.values[{11, 2, 2}] = 81;
    f.charging[{11, 2}] = true;
    f.values[{11, 0, 2}] = 50;
    f.absentSensors = {{7, 3}, {11, 1}};
    f.captions[{11, 1}] = "BAT1";
    const TraySourceHooks source = f.Hooks();

    struct Case {
        int kind, device;
        std::string want;
    };
    const std::vector<Case> cases = {
        {0, 1, "Velquor\r\n物理メモリー残量\r\n<1024>B/<4096>B"},
        // The bar follows processor 2, the tooltip describes all processors.
        {2, 2, "Velquor\r\nCPU使用量\r\n12％"},
        {4, 1, "Velquor\r\nネットワーク受信量\r\n<40000>bps/<160000>bps"},
        {6, 1, "Velquor\r\nネットワーク受信量\r\n<5000>B/秒/<20000>B/秒"},
        {1, 0, "Velquor\r\nページファイル使用量\r\n<0>B/<0>B"},
        {5, 0, "Velquor\r\nネットワーク送信量\r\n<0>bps/<0>bps"},
        {7, 0, "Velquor\r\nネットワーク送信量\r\n<0>B/秒/<0>B/秒"},
        {9, 1, "Velquor\r\n温度 k10temp Tctl: 47°C"},
        {12, 0, "Velquor\r\nディスク書込 sda: <102400>B/秒"},
        {13, 2, "Velquor\r\nバッテリー 81% 充電中"},
        {13, 0, "Velquor\r\nバッテリー 50%"},
        {9, 3, "Velquor\r\n温度 [未接続]"}, // never seen
        {13, 1, "Velquor\r\nバッテリー [未接続] BAT1"},
    };
    for (const Case& c : cases) {
        const TrayItem item = ResolveTrayItem(c.kind, c.device, source);
        EXPECT_EQ(TrayTipText(item, source), c.want) << "kind " << c.kind;
    }
}

TEST(ResolveTrayItem, SideOffsetAndMeasurementKind) {
    FakeSource f;
    f.standardStyle = {0, 1, 2, 3, 4, 5, 2, 1, 2, 1, 2, 2, 2, 2, 2}; // 6 and 7 must not be read
    const TraySourceHooks source = f.Hooks();
    struct Case {
        int kind, paramId;
        bool remaining;
    };
    const std::vector<Case> cases = {
        {0, 0, false}, {1, 1, true}, {2, 2, false}, {3, 3, false}, {4, 4, true},
        {5, 5, false}, {6, 4, true}, {7, 5, false}, {9, 7, true},
    };
    for (const Case& c : cases) {
        const TrayItem item = ResolveTrayItem(c.kind, 3, source);
        EXPECT_EQ(item.paramId, c.paramId) << c.kind;
        EXPECT_EQ(item.remaining, c.remaining) << c.kind;
        EXPECT_EQ(item.offset, c.remaining ? 0 : 16) << c.kind;
        EXPECT_EQ(item.device, 3);
    }
}

} // namespace
} // namespace trumbel
