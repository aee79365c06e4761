#include "profile/MemoryMap.h"

#include <gtest/gtest.h>

#include <set>

namespace vardex {
namespace {

TEST(MemoryMapTest, AddressesOfTheBlocksAndSlots)
{
    EXPECT_EQ(mem::ProfileBase(4) + mem::kProfileBytesUsed - 1, 570);
    EXPECT_EQ(mem::MacroSlot(4, 8), 6400);
    EXPECT_EQ(mem::MacroSlot(4, 8) + mem::kMacroSlotSize - 1, 6527);
    EXPECT_EQ(mem::ButtonType(1, 3), 320 + 14 + 3);
    EXPECT_EQ(mem::ButtonParam(1, 3, 2), 320 + 23 + 12 + 2);
}

TEST(MemoryMapTest, ProfileSwitchValue)
{
    EXPECT_EQ(mem::ProfileSwitchValue(0x53, 2), 0x52);
    EXPECT_EQ(mem::ProfileSwitchValue(0x53, 5), -1);
    EXPECT_EQ(mem::ProfileSwitchValue(0x30, 3), -1);
}

TEST(MemoryMapTest, DefaultTableOrderAndValues)
{
    CDefaultTable table;
    const auto pairs = table.Pairs();
    ASSERT_EQ(pairs.size(), 342u);
    EXPECT_EQ(pairs[0].address, 165);
    EXPECT_EQ(pairs[0].value, 0x30);
    EXPECT_EQ(pairs[1].address, 169);
    EXPECT_EQ(pairs[1].value, 0x50);

    const auto p1 = table.ProfilePairs(1);
    ASSERT_EQ(p1.size(), 68u);
    const int expected[59] = {0x40, 9, 18, 36, 72, 9, 18, 36, 72, 0x26, 0x16, 0x16, 0x16, 0x16,
                              1, 1, 1, 1, 1, 9, 10, 6, 6,
                              1, 0, 0, 0, 2, 0, 0, 0, 4, 0, 0, 0, 8, 0, 0, 0, 0x10, 0, 0, 0,
                              0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    for (int offset = 0; offset < 59; ++offset) {
        EXPECT_EQ(p1[offset].address, 320 + offset);
        EXPECT_EQ(p1[offset].value, expected[offset]) << "offset " << offset;
    }
    for (int s = 0; s < 9; ++s)
        EXPECT_EQ(p1[59 + s].address, mem::MacroSlot(1, s));

    std::set<int> unique;
    for (const SDefaultPair& pair : pairs) {
        unique.insert(pair.address);
        EXPECT_LT(pair.address, mem::kAddressLimit);
    }
    EXPECT_EQ(unique.size(), 342u);
}

TEST(MemoryMapTest, TopSensitivityFollowsTheRelease)
{
    EXPECT_EQ(mem::TopSensitivityCode(0x1502), 72);
    EXPECT_EQ(mem::TopSensitivityCode(0x1503), 80);
    CDefaultTable table;
    table.SetTopSensitivityCode(80);
    for (int p = 0; p < mem::kProfileCount; ++p) {
        const auto block = table.ProfilePairs(p);
        EXPECT_EQ(block[4].value, 80);
        EXPECT_EQ(block[8].value, 80);
        EXPECT_EQ(block[3].value, 36);
    }
}

} // namespace
} // namespace vardex
