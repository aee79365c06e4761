#include "controls/WndShadow.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vardex {
namespace {

using namespace shadowmsg;

struct CHost final : IShadowHost {
    void Move(int x, int y) override { calls.push_back("move " + std::to_string(x) + "," + std::to_string(y)); }
    void Show(bool shown) override { calls.push_back(shown ? "show" : "hide"); }
    void Rebuild() override { calls.push_back("rebuild"); }
    void Destroy() override { calls.push_back("destroy"); }
    SRect OwnerRect() override { return {100, 50, 500, 350}; }
    std::vector<std::string> calls;
};

std::intptr_t Size(int w, int h) { return (h << 16) | w; }

class WndShadowTest : public ::testing::Test {
protected:
    WndShadowTest()
    {
        CWndShadow::Initialise(true);
        shadow.SetParameters(5, 10, 180, 0, 0);
    }
    std::vector<std::string> Take()
    {
        std::vector<std::string> out;
        out.swap(host.calls);
        return out;
    }

    CHost host;
    CWndShadow shadow{host};
};

TEST_F(WndShadowTest, CreationByTheOwnersState)
{
    struct SCase {
        EOwnerState owner;
        bool visible, ownerVisible;
        std::vector<std::string> calls;
    };
    const SCase cases[] = {
        {EOwnerState::kHidden, false, false, {}},
        {EOwnerState::kMinimisedOrMaximised, false, true, {}},
        {EOwnerState::kNormal, true, true, {"show", "rebuild", "move 95,45"}},
    };
    for (const SCase& c : cases) {
        CHost fresh;
        CWndShadow s(fresh);
        s.SetParameters(5, 10, 180, 0, 0);
        ASSERT_TRUE(s.Create(c.owner));
        EXPECT_TRUE(s.Enabled());
        EXPECT_EQ(s.Visible(), c.visible);
        EXPECT_EQ(s.OwnerVisible(), c.ownerVisible);
        EXPECT_EQ(fresh.calls, c.calls);
    }
}

TEST_F(WndShadowTest, WithoutLayeredWindowsThereIsNoShadow)
{
    CWndShadow::Initialise(false);
    EXPECT_FALSE(shadow.Create(EOwnerState::kNormal));
    shadow.OnOwnerMessage(kSize, 0, Size(400, 300));
    EXPECT_TRUE(host.calls.empty());
}

TEST_F(WndShadowTest, FollowingTheOwner)
{
    ASSERT_TRUE(shadow.Create(EOwnerState::kNormal));
    Take();
    struct SStep {
        std::uint32_t message;
        std::uintptr_t wParam;
        std::intptr_t lParam;
        std::vector<std::string> calls;
    };
    const SStep steps[] = {
        {kSize, 0, Size(400, 300), {}},                              // grown: rebuilt at the next paint
        {kPaint, 0, 0, {"rebuild", "move 95,45"}},
        {kPaint, 0, 0, {}},
        {kSize, 0, Size(300, 300), {"rebuild", "move 95,45"}},       // shrunk: rebuilt at once
        {kMove, 0, 0, {"move 95,45"}},
        {kSize, kSizeMinimised, 0, {"hide"}},
        {kMove, 0, 0, {}},                                           // hidden: not moved
        {kSize, 0, Size(300, 300), {"rebuild", "move 95,45", "show"}}, // restored
        {kExitSizeMove, 0, 0, {"rebuild", "move 95,45"}},
        {kShowWindow, 0, 0, {"hide"}},
        {kShowWindow, 1, 0, {"show"}},
        {kPaint, 0, 0, {"rebuild", "move 95,45"}},
        {kDestroy, 0, 0, {"destroy"}},
    };
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        SCOPED_TRACE(i);
        shadow.OnOwnerMessage(steps[i].message, steps[i].wParam, steps[i].lParam);
        EXPECT_EQ(Take(), steps[i].calls);
    }
}

TEST_F(WndShadowTest, OffsetsAndSizeMoveTheShadow)
{
    shadow.SetParameters(8, 10, 180, 3, -2);
    shadow.SetParameters(25, 30, 300, 21, -21); // all out of range: kept
    ASSERT_TRUE(shadow.Create(EOwnerState::kNormal));
    EXPECT_EQ(host.calls.back(), "move 95,40");
}

} // namespace
} // namespace vardex
