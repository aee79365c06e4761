#include "dialogs/SkinLedDlg.h"

#include "platform/emu/EmulatedHidSystem.h"
#include "platform/emu/MemoryRegistry.h"
#include "platform/emu/VirtualClock.h"
#include "profile/MemoryMap.h"
#include "support/Bytes.h"

#include <gtest/gtest.h>

#include <memory>

namespace vardex {
namespace {

constexpr int kProfile = 2;
constexpr int kBase = 384;

// The third profile as the factory left it: blue, every zone lit.
class SkinLedDlgTest : public ::testing::Test {
protected:
    SkinLedDlgTest()
    {
        kx->SetDevicePath(mouse.InterfacePath(0).c_str());
        for (const SDefaultPair& pair : defaults.Pairs())
            kx->StoreClean(pair.address, mouse.Eeprom()[pair.address]);
        dialog.SetProfile(kProfile);
    }

    void Open()
    {
        dialog.OnInitDialog(0x600);
        mouse.ClearTranscript();
    }
    const SShadowEntry& Byte(int offset) { return kx->Shadow(kBase + offset); }

    CVirtualClock clock;
    CEmulatedHidSystem hid{clock};
    CEmulatedMouse& mouse = hid.AddMouse();
    std::unique_ptr<CIcKX22> kx = std::make_unique<CIcKX22>(hid, clock);
    CMemoryRegistry registry;
    CSettingsKey settings{registry};
    CDefaultTable defaults;
    CSkinLedDlg dialog{{*kx, settings, clock}};
};

TEST_F(SkinLedDlgTest, OpeningShowsTheZones)
{
    kx->StoreClean(kBase + 11, 0x04); // the wheel off
    kx->StoreClean(kBase + 12, 0x14); // the left pipe on, the right pipe off
    kx->StoreClean(kBase + 13, 0x04);
    Open();
    EXPECT_FALSE(dialog.ZoneShown(0));
    EXPECT_TRUE(dialog.ZoneShown(1));
    EXPECT_FALSE(dialog.ZoneShown(2));
    EXPECT_TRUE(dialog.ZoneShown(3));
    EXPECT_FALSE(dialog.GroupOn(0));
    EXPECT_FALSE(dialog.GroupOn(1)) << "the pair shows the right pipe, read last";
    EXPECT_TRUE(dialog.GroupOn(2));
    EXPECT_EQ(dialog.SelectedColour(), 2);
    EXPECT_TRUE(registry.Value(ERegRoot::kCurrentUser, L"Software\\Vardex", L"LED DIAGLOG Handle").has_value());
}

TEST_F(SkinLedDlgTest, ACodeNotOfferedLeavesTheZoneUnlitAndItsPairAlone)
{
    Open();
    dialog.OnCommand(led::kWheelOff); // the pair now shows off
    dialog.OnCommand(led::kCancel);
    kx->StoreClean(kBase + 11, 0x17); // white, lit
    kx->StoreClean(kBase + 9, 0x20);  // the logo's colour not offered either
    Open();
    EXPECT_FALSE(dialog.ZoneShown(0));
    EXPECT_FALSE(dialog.GroupOn(0)) << "left as it was";
    EXPECT_EQ(dialog.SelectedColour(), -1);
}

TEST_F(SkinLedDlgTest, ColourGoesToEveryZone)
{
    kx->StoreClean(kBase + 11, 0x0C); // off, bit 3 set
    Open();
    dialog.OnCommand(led::kFirstColour + 2); // blue
    dialog.OnCommand(led::kFirstColour + 3); // green
    EXPECT_EQ(Byte(11).value, 0x0A);
    EXPECT_EQ(Byte(9).value, 0x22);
    EXPECT_FALSE(dialog.ZoneShown(0)) << "an unlit zone stays hidden";
    EXPECT_EQ(dialog.ZoneColour(0), 3);
    EXPECT_EQ(dialog.SelectedColour(), 3);
}

TEST_F(SkinLedDlgTest, SwitchingGroups)
{
    kx->StoreClean(kBase + 12, 0x01); // left pipe red and off
    kx->StoreClean(kBase + 13, 0x16);
    kx->StoreClean(kBase + 9, 0x04);  // logo off
    Open();
    dialog.OnCommand(led::kLogoOn);
    dialog.OnCommand(led::kPipesOn);
    dialog.OnCommand(led::kWheelOff);
    EXPECT_EQ(Byte(9).value, 0x24);
    EXPECT_EQ(Byte(12).value, 0x11);
    EXPECT_EQ(Byte(13).value, 0x11) << "the right pipe takes the left pipe's byte";
    EXPECT_EQ(Byte(11).value, 0x04);
    EXPECT_TRUE(dialog.ZoneShown(2));
}

TEST_F(SkinLedDlgTest, ApplyWritesInZoneOrder)
{
    Open();
    dialog.OnCommand(led::kFirstColour); // red
    dialog.OnCommand(led::kApply);
    const auto sent = test::SentReports(mouse);
    ASSERT_EQ(sent.size(), 5u);
    const int order[4] = {11, 12, 13, 9};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(sent[i][2], static_cast<std::uint8_t>(kBase + order[i] - 256));
    EXPECT_EQ(sent[4][1], 0xC4);
    EXPECT_EQ(clock.NowMs(), 4u * 10u + 100u);
    EXPECT_TRUE(dialog.Written());
    EXPECT_EQ(Byte(9).dirty, 0);
}

TEST_F(SkinLedDlgTest, CancelRevertsOnlyWhatWasWritten)
{
    Open();
    dialog.OnCommand(led::kFirstColour);
    EXPECT_EQ(dialog.OnCommand(led::kCancel), led::kResultCancel);
    EXPECT_EQ(Byte(9).value, 0x21) << "without Apply the change stays marked for the main window";
    EXPECT_EQ(Byte(9).dirty, 1);
    EXPECT_TRUE(mouse.Transcript().empty());

    for (const SDefaultPair& pair : defaults.ProfilePairs(kProfile))
        kx->StoreClean(pair.address, mouse.Eeprom()[pair.address]);
    Open();
    dialog.OnCommand(led::kFirstColour);     // red
    dialog.OnCommand(led::kApply);
    dialog.OnCommand(led::kFirstColour + 4); // magenta
    dialog.OnCommand(led::kCancel);
    EXPECT_EQ(mouse.Eeprom()[kBase + 9], 0x24) << "the colour of the opening goes back to the mouse";
    EXPECT_EQ(Byte(9).value, 0x24);
    EXPECT_EQ(Byte(9).dirty, 0);
    EXPECT_FALSE(dialog.Written());
}

} // namespace
} // namespace vardex
