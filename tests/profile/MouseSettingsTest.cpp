#include "profile/MouseSettings.h"

#include "platform/emu/MemoryRegistry.h"
#include "platform/emu/MemorySystemSettings.h"

#include <gtest/gtest.h>

namespace vardex {
namespace {

class MouseSettingsTest : public ::testing::Test {
protected:
    CMemoryRegistry registry;
    CSettingsKey settings{registry};
    CMemorySystemSettings system;
};

TEST_F(MouseSettingsTest, MissingKeyAppliesTheDefaults)
{
    system.speed = 17;
    system.doubleClickMs = 200;
    system.wheelLines = 7;
    ApplyProfileMouseSettings(settings, system, 1);
    EXPECT_EQ(system.speed, 10);
    EXPECT_EQ(system.doubleClickMs, 500);
    EXPECT_EQ(system.wheelLines, 3);
    EXPECT_TRUE(registry.Value(ERegRoot::kCurrentUser, L"Software\\Vardex", L"PF2 Motion Speed").has_value());
}

TEST_F(MouseSettingsTest, StoredValuesApply)
{
    struct SCase {
        std::uint32_t wheel;
        int applied;
    };
    for (const SCase c : {SCase{10, 10}, SCase{11, kWheelPageScroll}, SCase{0, 3}, SCase{0xFFFFFFFF, 3}}) {
        SCOPED_TRACE(c.wheel);
        settings.SetDword(L"PF5 Wheel Scroll Lines", c.wheel);
        settings.SetDword(L"PF5 Motion Speed", 4);
        settings.SetDword(L"PF5 Double-Click_speed", 350);
        ApplyProfileMouseSettings(settings, system, 4);
        EXPECT_EQ(system.wheelLines, c.applied);
        EXPECT_EQ(system.speed, 4);
        EXPECT_EQ(system.doubleClickMs, 350);
    }
}

TEST_F(MouseSettingsTest, PageScrollingSurvivesStoreAndApply)
{
    system.wheelLines = kWheelPageScroll;
    system.speed = 12;
    system.doubleClickMs = 420;
    StoreProfileMouseSettings(settings, system, 0);
    EXPECT_EQ(settings.GetDword(L"PF1 Wheel Scroll Lines"), 11u);
    EXPECT_EQ(settings.GetDword(L"PF1 Motion Speed"), 12u);
    EXPECT_EQ(settings.GetDword(L"PF1 Double-Click_speed"), 420u);
    system.wheelLines = 3;
    ApplyProfileMouseSettings(settings, system, 0);
    EXPECT_EQ(system.wheelLines, kWheelPageScroll);
}

} // namespace
} // namespace vardex
