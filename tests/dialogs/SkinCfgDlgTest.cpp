#include "dialogs/SkinCfgDlg.h"

#include "platform/emu/EmulatedHidSystem.h"
#include "platform/emu/MemoryRegistry.h"
#include "platform/emu/MemorySystemSettings.h"
#include "platform/emu/VirtualClock.h"
#include "support/Bytes.h"

#include <gtest/gtest.h>

#include <memory>

namespace vardex {
namespace {

constexpr int kProfile = 1;
constexpr int kBase = 320; // the second profile's block

// A release-0x1503 mouse whose shadow holds its EEPROM, valid and clean.
class SkinCfgDlgTest : public ::testing::Test {
protected:
    SkinCfgDlgTest()
    {
        kx->SetDevicePath(mouse.InterfacePath(0).c_str());
        defaults.SetTopSensitivityCode(80);
        for (const SDefaultPair& pair : defaults.Pairs())
            kx->StoreClean(pair.address, mouse.Eeprom()[pair.address]);
        dialog.SetProfile(kProfile);
        dialog.SetSensitivityTable(CSensitivityTable::ForRelease(0x1503));
    }

    void Open()
    {
        dialog.OnInitDialog(0x601);
        mouse.ClearTranscript();
    }

    const SShadowEntry& Byte(int offset) { return kx->Shadow(kBase + offset); }
    bool Published()
    {
        return registry.Value(ERegRoot::kCurrentUser, L"Software\\Vardex", L"CFG DIAGLOG Handle").has_value();
    }

    CVirtualClock clock;
    CEmulatedHidSystem hid{clock};
    CEmulatedMouse& mouse = hid.AddMouse();
    std::unique_ptr<CIcKX22> kx = std::make_unique<CIcKX22>(hid, clock);
    CMemorySystemSettings system;
    CMemoryRegistry registry;
    CSettingsKey settings{registry};
    CDefaultTable defaults;
    CSkinCfgDlg dialog{{*kx, system, settings, clock, defaults}};
};

TEST_F(SkinCfgDlgTest, OpeningShowsTheProfile)
{
    system.speed = 7;
    system.doubleClickMs = 430;
    system.wheelLines = kWheelPageScroll;
    Open();
    EXPECT_EQ(dialog.SelectedPolling(), cfg::kPoll1000);
    EXPECT_EQ(dialog.Level(), 0);
    EXPECT_EQ(dialog.XIndex(), 7); // code 9: 800 DPI
    EXPECT_EQ(dialog.XLabel(), L" 800");
    EXPECT_EQ(dialog.MarkerX(), 99 - 7);
    EXPECT_EQ(dialog.MarkerY(), 212 - 7);
    EXPECT_EQ(dialog.SliderPos(cfg::kLevelSlider), 1);
    EXPECT_EQ(dialog.SliderPos(cfg::kCursorSlider), 3);
    EXPECT_EQ(dialog.SliderPos(cfg::kDoubleClickSlider), 4);
    EXPECT_EQ(dialog.SliderPos(cfg::kScrollSlider), 10);
    EXPECT_TRUE(dialog.PageScrolling());
    EXPECT_TRUE(Published());
    EXPECT_TRUE(mouse.Transcript().empty());
}

TEST_F(SkinCfgDlgTest, InvalidPollingBitsAreCorrectedAndCancelKeepsIt)
{
    kx->StoreClean(kBase, 0xC9); // bit 7, bit 6, polling 10, level 1
    Open();
    EXPECT_EQ(dialog.SelectedPolling(), cfg::kPoll500);
    EXPECT_EQ(Byte(0).value, 0x45);
    EXPECT_EQ(Byte(0).dirty, 1);
    EXPECT_EQ(dialog.OnClose(), cfg::kResultCancel);
    EXPECT_EQ(Byte(0).value, 0x45) << "the saved copy is taken after the correction";
    EXPECT_TRUE(mouse.Transcript().empty());
}

TEST_F(SkinCfgDlgTest, AxisOrderDecidesWhichOffsetXUpChanges)
{
    struct SCase {
        int globalOption;
        int xOffset;
    };
    for (const SCase c : {SCase{0x30, 1}, SCase{0x70, 5}}) {
        SCOPED_TRACE(c.globalOption);
        kx->StoreClean(mem::kGlobalOption, c.globalOption);
        kx->StoreClean(kBase + 1, 9);
        kx->StoreClean(kBase + 5, 9);
        Open();
        dialog.OnCommand(cfg::kXUp);
        EXPECT_EQ(Byte(c.xOffset).value, 10);
        EXPECT_EQ(Byte(c.xOffset == 1 ? 5 : 1).value, 9);
    }
}

TEST_F(SkinCfgDlgTest, RowLimitsAndCodesBetweenRows)
{
    kx->StoreClean(kBase + 1, 200); // above every code: the last row
    kx->StoreClean(kBase + 5, 5);   // between 4 and 6: the higher row
    Open();
    EXPECT_EQ(dialog.XIndex(), 64);
    EXPECT_EQ(dialog.YIndex(), 4);
    dialog.OnCommand(cfg::kXUp);
    EXPECT_EQ(Byte(1).dirty, 0) << "X up at the last row does nothing";
    for (int i = 0; i < 5; ++i)
        dialog.OnCommand(cfg::kYDown);
    EXPECT_EQ(dialog.YIndex(), 0);
    EXPECT_EQ(Byte(5).value, 1);
}

TEST_F(SkinCfgDlgTest, ChartClicks)
{
    Open();
    dialog.OnLeftButtonUp(81, 100);
    EXPECT_EQ(dialog.XIndex(), 1);
    EXPECT_EQ(dialog.YIndex(), 49); // the highest row whose threshold lies below the point (102 > 100)
    EXPECT_EQ(Byte(1).value, 2);
    EXPECT_EQ(Byte(5).value, 56);
    dialog.OnLeftButtonUp(400, 10); // outside the chart: the rows stay and are marked again
    EXPECT_EQ(dialog.XIndex(), 1);
    dialog.OnLeftButtonUp(254, 49);
    EXPECT_EQ(dialog.XIndex(), 64);
    EXPECT_EQ(dialog.YIndex(), 64);
}

TEST_F(SkinCfgDlgTest, LevelSliderRewritesTheOptionByte)
{
    kx->StoreClean(kBase, 0xC4);
    kx->StoreClean(kBase + 3, 36);
    Open();
    dialog.OnSliderMoved(cfg::kLevelSlider, 3);
    EXPECT_EQ(Byte(0).value, 0x46);
    EXPECT_EQ(dialog.XIndex(), CSensitivityTable().RowOfCode(36));
    dialog.OnCommand(cfg::kPoll125);
    EXPECT_EQ(Byte(0).value, 0x4E);
}

TEST_F(SkinCfgDlgTest, WindowsSettingsFollowTheSliders)
{
    Open();
    struct SCase {
        int slider;
        int position;
        int speed;
    };
    for (const SCase c : {SCase{cfg::kCursorSlider, 0, 1}, SCase{cfg::kCursorSlider, 10, 20}}) {
        dialog.OnSliderMoved(c.slider, c.position);
        EXPECT_EQ(system.speed, c.speed);
    }
    dialog.OnSliderMoved(cfg::kDoubleClickSlider, 1);
    EXPECT_EQ(system.doubleClickMs, 100);
    dialog.OnCommand(cfg::kPageScrollSwitch);
    EXPECT_EQ(system.wheelLines, kWheelPageScroll);
    dialog.OnSliderMoved(cfg::kScrollSlider, 6);
    EXPECT_FALSE(dialog.PageScrolling()) << "moving the scroll slider switches page scrolling off";
    EXPECT_EQ(system.wheelLines, 6);

    EXPECT_EQ(dialog.OnCommand(cfg::kClose), cfg::kResultCancel);
    EXPECT_EQ(system.speed, 20) << "closing keeps the new speed in effect";
    EXPECT_EQ(system.storedSpeed, 10) << "but does not store it";
    EXPECT_FALSE(Published());
}

TEST_F(SkinCfgDlgTest, OkWritesTheDirtyBytesAndStoresTheSettings)
{
    Open();
    dialog.OnCommand(cfg::kXUp);
    dialog.OnCommand(cfg::kYUp);
    dialog.OnSliderMoved(cfg::kCursorSlider, 6);
    EXPECT_EQ(dialog.OnCommand(cfg::kOk), cfg::kResultOk);
    const auto sent = test::SentReports(mouse);
    ASSERT_EQ(sent.size(), 3u);
    EXPECT_EQ(test::Head(sent[0], 5), (test::Bytes{0x00, 0xDE, kBase + 1 - 256, 10, 1}));
    EXPECT_EQ(test::Head(sent[2], 6), (test::Bytes{0x00, 0xC4, 0, 0, 0, 0}));
    EXPECT_EQ(clock.NowMs(), 2u * 10u + 100u);
    EXPECT_EQ(Byte(1).dirty, 0);
    EXPECT_EQ(system.storedSpeed, 12);
    EXPECT_FALSE(Published());
}

TEST_F(SkinCfgDlgTest, CancelPutsEverythingBack)
{
    system.speed = 8;
    Open();
    dialog.OnCommand(cfg::kXUp);
    dialog.OnCommand(cfg::kApply); // written to the mouse, dialog stays open
    EXPECT_EQ(mouse.Eeprom()[kBase + 1], 10);
    dialog.OnSliderMoved(cfg::kCursorSlider, 9);
    mouse.ClearTranscript();
    EXPECT_EQ(dialog.OnCommand(cfg::kCancel), cfg::kResultCancel);
    EXPECT_EQ(mouse.Eeprom()[kBase + 1], 9);
    EXPECT_EQ(Byte(1).value, 9);
    EXPECT_EQ(Byte(1).dirty, 0);
    EXPECT_EQ(mouse.Commands().back(), (std::array<std::uint8_t, 3>{0, 0, 0}));
    EXPECT_EQ(system.speed, 8);
    EXPECT_EQ(system.storedSpeed, 8);
}

TEST_F(SkinCfgDlgTest, CancelThatCannotReachTheMouseKeepsTheOriginalForTheNextSave)
{
    Open();
    dialog.OnCommand(cfg::kXUp);
    dialog.OnCommand(cfg::kApply);
    mouse.Unplug();
    dialog.OnCommand(cfg::kCancel);
    EXPECT_EQ(Byte(1).value, 9);
    EXPECT_EQ(Byte(1).dirty, 1);
}

TEST_F(SkinCfgDlgTest, ResetRestoresTheProfilesDefaults)
{
    kx->StoreClean(kBase, 0x4D);
    kx->StoreClean(kBase + 4, 60);
    system.speed = 3;
    system.wheelLines = kWheelPageScroll;
    Open();
    dialog.OnCommand(cfg::kReset);
    EXPECT_TRUE(dialog.ControlsEnabled());
    EXPECT_EQ(mouse.Eeprom()[kBase], 0x40);
    EXPECT_EQ(mouse.Eeprom()[kBase + 4], 80);
    EXPECT_EQ(test::SentReports(mouse).size(), 3u) << "two bytes and the command";
    EXPECT_EQ(dialog.SelectedPolling(), cfg::kPoll1000);
    EXPECT_EQ(dialog.Level(), 0);
    EXPECT_EQ(system.storedSpeed, 10);
    EXPECT_EQ(system.storedWheelLines, 3);
    EXPECT_EQ(system.doubleClickMs, 500);
    EXPECT_EQ(dialog.SliderPos(cfg::kCursorSlider), 5);
    EXPECT_FALSE(dialog.PageScrolling());
    EXPECT_EQ(clock.NowMs(), 2u * 10u + 100u + 10u);
}

} // namespace
} // namespace vardex
