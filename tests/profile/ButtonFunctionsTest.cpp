#include "profile/ButtonFunctions.h"

#include "platform/emu/EmulatedHidSystem.h"
#include "platform/emu/MemoryFileSystem.h"
#include "platform/emu/MemoryRegistry.h"
#include "platform/emu/RecordingShell.h"
#include "platform/emu/VirtualClock.h"
#include "profile/MemoryMap.h"

#include <gtest/gtest.h>

#include <memory>

namespace vardex {
namespace {

// A shadow image holding the factory defaults, all valid and clean.
class ButtonFunctionsTest : public ::testing::Test {
protected:
    ButtonFunctionsTest()
    {
        const CDefaultTable defaults;
        for (const SDefaultPair& pair : defaults.Pairs())
            shadow->StoreClean(pair.address, pair.value);
    }

    void Store(int p, int s, int type, std::array<int, 4> params)
    {
        shadow->StoreClean(mem::ButtonType(p, s), type);
        for (int k = 0; k < 4; ++k)
            shadow->StoreClean(mem::ButtonParam(p, s, k), params[k]);
    }

    CVirtualClock clock;
    CEmulatedHidSystem hid{clock};
    std::unique_ptr<CIcKX22> shadow = std::make_unique<CIcKX22>(hid, clock);
    CFunctionTable table;
};

TEST_F(ButtonFunctionsTest, DefaultsMatchTheirFunctions)
{
    // Page buttons 0..8 are hardware slots 3, 7, 4, 0, 2, 1, 8, 5, 6.
    const int expected[9] = {5, 0, 6, 1, 7, 3, 0, 9, 10};
    for (int u = 0; u < 9; ++u)
        EXPECT_EQ(MatchFunction(*shadow, table, 2, u), expected[u]) << "page button " << u;
}

TEST_F(ButtonFunctionsTest, MatchingRules)
{
    struct SCase {
        const char* name;
        int type;
        std::array<int, 4> params;
        int expected;
    };
    const SCase cases[] = {
        {"mouse button: only p0 counts", 1, {4, 0x55, 0x66, 0x77}, 7},
        {"unknown button mask", 1, {32, 0, 0, 0}, -1},
        {"shortcut with a stray byte", 2, {1, 0x1B, 0, 1}, -1},
        {"shortcut", 2, {1, 0x1B, 0, 0}, 11},
        {"double click", 4, {1, 2, 6, 2}, 4},
        {"double click, other bytes", 4, {1, 2, 6, 3}, -1},
        {"launch, any parameters", 15, {9, 9, 9, 9}, 8},
        {"button off", 96, {1, 0, 0, 0}, 2},
        {"unknown type", 7, {0, 0, 0, 0}, -1},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        Store(0, 0, c.type, c.params);
        EXPECT_EQ(MatchFunction(*shadow, table, 0, 3), c.expected);
    }
    EXPECT_EQ(MatchFunction(*shadow, table, 5, 0), -1);
    EXPECT_EQ(MatchFunction(*shadow, table, 0, 9), -1);
    EXPECT_EQ(MatchFunction(*shadow, table, -1, 0), -1);
}

TEST_F(ButtonFunctionsTest, LeftClickRule)
{
    // Page button 3 is hardware slot 0, the profile's only left click.
    EXPECT_EQ(AssignFunction(*shadow, table, 1, 3, 2), 0);
    EXPECT_EQ(shadow->Shadow(mem::ButtonType(1, 0)).dirty, 0) << "a refusal changes nothing";

    ASSERT_EQ(AssignFunction(*shadow, table, 1, 0, fn::kClick), 1); // back button clicks too
    ASSERT_EQ(AssignFunction(*shadow, table, 1, 3, 2), 1);
    EXPECT_EQ(shadow->Shadow(mem::ButtonType(1, 0)).value, 96);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(shadow->Shadow(mem::ButtonParam(1, 0, k)).value, 0);
    }
    EXPECT_EQ(shadow->Shadow(mem::ButtonType(1, 0)).dirty, 1);
    EXPECT_EQ(shadow->Shadow(mem::ButtonParam(1, 0, 0)).dirty, 1);
    EXPECT_EQ(shadow->Shadow(mem::ButtonParam(1, 0, 1)).dirty, 0) << "unchanged bytes stay clean";
    EXPECT_EQ(MatchFunction(*shadow, table, 1, 3), 2);

    EXPECT_EQ(AssignFunction(*shadow, table, 1, 0, 19), 0);
    EXPECT_EQ(AssignFunction(*shadow, table, 1, 0, -1), 0);
}

TEST_F(ButtonFunctionsTest, NamesComeFromTheTextTables)
{
    EXPECT_EQ(table[8].name, L" LAUNCH");
    table.SetName(8, std::wstring(60, L'x'));
    EXPECT_EQ(table[8].name.size(), CFunctionTable::kNameChars);
}

TEST(LaunchTest, ValueNames)
{
    EXPECT_EQ(LaunchValueName(0), L"PF0T1 AP");
    EXPECT_EQ(LaunchValueName(10), L"PF1T2 AP");
    EXPECT_EQ(LaunchValueName(44), L"PF4T9 AP");
}

TEST(LaunchTest, StartsTheStoredProgramOnlyWhenItOpens)
{
    CMemoryRegistry registry;
    CSettingsKey settings(registry);
    CMemoryFileSystem files;
    CRecordingShell shell;
    settings.SetString(L"PF1T2 AP", L"C:\\Games\\game.exe");
    settings.SetString(L"PF0T1 AP", L"");
    settings.SetString(L"PF0T2 AP", L"C:\\Games\\gone.exe");
    files.files[L"C:\\Games\\game.exe"] = {};

    struct SCase {
        unsigned key;
        int started;
    };
    for (const SCase c : {SCase{0x8A, 1}, SCase{0x80, 0}, SCase{0x81, 0}, SCase{0x82, 0}, SCase{45, 0},
                          SCase{0xAD, 0}}) {
        SCOPED_TRACE(c.key);
        shell.started.clear();
        EXPECT_EQ(LaunchProgram(settings, files, shell, c.key), c.started);
        EXPECT_EQ(shell.started.size(), static_cast<std::size_t>(c.started));
    }
    shell.started.clear();
    LaunchProgram(settings, files, shell, 0x8A);
    EXPECT_EQ(shell.started, std::vector<std::wstring>{L"C:\\Games\\game.exe"});
}

} // namespace
} // namespace vardex
