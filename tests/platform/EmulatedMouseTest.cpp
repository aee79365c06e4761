#include "platform/emu/EmulatedHidSystem.h"

#include "platform/emu/VirtualClock.h"
#include "profile/MemoryMap.h"

#include <gtest/gtest.h>

namespace vardex {
namespace {

TEST(EmulatedMouseTest, FactoryImageFollowsTheRelease)
{
    struct SCase {
        std::uint16_t release;
        int top;
    };
    for (const SCase c : {SCase{0x1502, 72}, SCase{0x1503, 80}, SCase{0x1504, 80}}) {
        SEmulatedMouseConfig config;
        config.release = c.release;
        const CEmulatedMouse mouse(config);
        const auto& rom = mouse.Eeprom();
        EXPECT_EQ(rom[186], 0x6D);
        EXPECT_EQ(rom[187], 0x15);
        EXPECT_EQ(rom[169], 0x50);
        EXPECT_EQ(rom[mem::ProfileBase(4) + 4], c.top);
        EXPECT_EQ(rom[mem::ProfileBase(4) + 8], c.top);
        EXPECT_EQ(rom[mem::ProfileBase(2) + 3], 36);
    }
}

// Input reports as the filter driver reads them: byte 10 status, 11 Y code, 12 X code,
// 13 launch key; each press is followed by the release report.
TEST(EmulatedMouseTest, ButtonsOnTheMouseProduceInputReports)
{
    CEmulatedMouse mouse;
    std::vector<std::uint8_t> report;

    mouse.Eeprom()[mem::ProfileBase(1) + 1] = 11; // X of level 0 with the default axis order
    mouse.Eeprom()[mem::ProfileBase(1) + 5] = 22; // Y of level 0
    mouse.PressProfileButton();
    ASSERT_TRUE(mouse.ReadInput(report));
    ASSERT_EQ(report.size(), CEmulatedMouse::kInputReportLength);
    EXPECT_EQ(report[10], 0x90);
    EXPECT_EQ(report[11], 22);
    EXPECT_EQ(report[12], 11);
    EXPECT_EQ(report[4], 0) << "the wheel byte is the driver's to set";
    ASSERT_TRUE(mouse.ReadInput(report));
    EXPECT_EQ(report[10], 0);
    EXPECT_EQ(mouse.ActiveProfile(), 1);

    mouse.Eeprom()[mem::kGlobalOption] |= 0x40; // X codes in the second group
    mouse.PressSensitivityButton(true);
    ASSERT_TRUE(mouse.ReadInput(report));
    EXPECT_EQ(report[10], 0x11);
    EXPECT_EQ(report[11], 18);
    EXPECT_EQ(report[12], 18);
    mouse.ReadInput(report);

    mouse.PressLaunchButton(4);
    ASSERT_TRUE(mouse.ReadInput(report));
    EXPECT_EQ(report[13], 0x80 | (9 * 1 + 4));
    ASSERT_TRUE(mouse.ReadInput(report));
    EXPECT_EQ(report[13], 0);
    EXPECT_FALSE(mouse.ReadInput(report));

    for (int i = 0; i < 4; ++i)
        mouse.PressProfileButton();
    EXPECT_EQ(mouse.ActiveProfile(), 0) << "the profile button wraps after the fifth profile";
}

TEST(EmulatedMouseTest, CommandsAreRecordedAndProfileSelectChecksTheCount)
{
    CEmulatedMouse mouse;
    const std::uint8_t select4[9] = {0x00, 0xC4, 7, 4, 0, 0};
    const std::uint8_t select5[9] = {0x00, 0xC4, 7, 5, 0, 0};
    ASSERT_TRUE(mouse.SetFeature(select4, 9));
    ASSERT_TRUE(mouse.SetFeature(select5, 9));
    EXPECT_EQ(mouse.ActiveProfile(), 4);
    ASSERT_EQ(mouse.Commands().size(), 2u);
    EXPECT_EQ(mouse.Commands()[1], (std::array<std::uint8_t, 3>{7, 5, 0}));
    EXPECT_FALSE(mouse.SetFeature(select4, 8)) << "a report of another length is refused";
}

TEST(EmulatedMouseTest, SeveralMiceHaveTheirOwnPathsAndImages)
{
    CVirtualClock clock;
    CEmulatedHidSystem hid(clock);
    SEmulatedMouseConfig second;
    second.instance = L"7&99&0";
    second.release = 0x1502;
    CEmulatedMouse& a = hid.AddMouse();
    CEmulatedMouse& b = hid.AddMouse(second);
    EXPECT_NE(a.InterfacePath(0), b.InterfacePath(0));
    EXPECT_NE(a.InterfacePath(1).find(L"&mi_01&col03"), std::wstring::npos);

    std::vector<std::wstring> paths;
    ASSERT_TRUE(hid.EnumerateInterfaces(kMouseInterfaceClass, 127, paths));
    EXPECT_EQ(paths.size(), 4u);
    b.Unplug();
    ASSERT_TRUE(hid.EnumerateInterfaces(kMouseInterfaceClass, 127, paths));
    EXPECT_EQ(paths.size(), 2u) << "an unplugged mouse is not present";

    const HidHandle h = hid.Open(a.InterfacePath(0), EHidAccess::kQuery);
    const std::uint8_t request[9] = {0x00, 0xDF, 169, 0x00, 0x00};
    EXPECT_FALSE(hid.SetFeature(h, request, 9)) << "feature reports need write access";
    hid.Close(h);
}

} // namespace
} // namespace vardex
