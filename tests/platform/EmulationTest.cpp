#include "platform/emu/Emulation.h"

#include <gtest/gtest.h>

namespace vardex {
namespace {

TEST(EmulationTest, ReleaseLists)
{
    struct SCase {
        const char* value;
        std::vector<std::uint16_t> releases; // empty: refused
    };
    const SCase cases[] = {
        {"1503", {0x1503}},
        {"1503,1502", {0x1503, 0x1502}},
        {"150a", {0x150A}},
        {"", {}},
        {"1503,", {}},
        {"15033", {}},
        {"mouse", {}},
        {"1,2,3,4,5,6,7,8,9", {}},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.value);
        std::vector<SEmulatedMouseConfig> mice;
        std::string error;
        const bool ok = ParseEmulation(c.value, mice, error);
        EXPECT_EQ(ok, !c.releases.empty());
        if (!ok) {
            EXPECT_NE(error.find("VARDEX_EMULATION"), std::string::npos);
            continue;
        }
        ASSERT_EQ(mice.size(), c.releases.size());
        for (std::size_t i = 0; i < mice.size(); ++i)
            EXPECT_EQ(mice[i].release, c.releases[i]);
        if (mice.size() > 1) {
            EXPECT_NE(mice[0].instance, mice[1].instance);
        }
    }
}

} // namespace
} // namespace vardex
