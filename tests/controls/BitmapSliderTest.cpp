#include "controls/BitmapSlider.h"

#include "platform/emu/VirtualWindowRuntime.h"

#include <gtest/gtest.h>

namespace vardex {
namespace {

constexpr WindowHandle kDialog = 0x500;
constexpr unsigned kId = 1201;

// A 200-pixel channel with 10-pixel margins and a 20-pixel thumb: the thumb centre
// travels from 20 to 180.
class BitmapSliderTest : public ::testing::Test {
protected:
    BitmapSliderTest()
    {
        s.SetChannelSize(200, 30);
        s.SetThumbSize(20, 30);
        s.SetMargins(10, 0, 10, 0);
        s.SetRange(0, 160);
    }

    std::vector<std::pair<std::uint32_t, std::intptr_t>> Posted()
    {
        std::vector<std::pair<std::uint32_t, std::intptr_t>> out;
        for (const SWindowMessage& m : windows.messages) {
            EXPECT_EQ(m.window, kDialog);
            EXPECT_EQ(m.wParam, kId);
            EXPECT_FALSE(m.sent);
            out.push_back({m.message, m.lParam});
        }
        windows.messages.clear();
        return out;
    }

    CVirtualClock clock;
    CVirtualWindowRuntime windows{clock};
    CBitmapSlider s{windows, kDialog, kId};
};

TEST_F(BitmapSliderTest, ValueAndPixel)
{
    struct SCase {
        int value;
        int pixel;
    };
    for (const SCase c : {SCase{0, 20}, SCase{80, 100}, SCase{160, 180}}) {
        EXPECT_EQ(s.ValueToPixel(c.value), c.pixel);
        EXPECT_EQ(s.PixelToValue(c.pixel), c.value);
    }
    s.SetRange(1, 10);
    EXPECT_EQ(s.ValueToPixel(4), 10 + 53 + 10); // 160 * 3 / 9 = 53.3
    EXPECT_EQ(s.PixelToValue(73), 3);            // 1 + 53 / 160 * 9 = 3.98
}

TEST_F(BitmapSliderTest, KeysAreClampedAndTold)
{
    s.SetRange(1, 10);
    s.SetPos(8);
    EXPECT_TRUE(Posted().empty()) << "SetPos tells nobody";
    s.OnKey(slider::kPageDown);
    s.OnKey(slider::kHome);
    s.OnKey(slider::kRight);
    s.OnKey(slider::kEnd);
    s.OnKey(slider::kUp);
    s.OnKey(slider::kPageUp);
    EXPECT_FALSE(s.OnKey(0x41)) << "other keys are not the slider's";
    const std::vector<std::pair<std::uint32_t, std::intptr_t>> expected = {
        {slider::kMoved, 10}, {slider::kMoved, 1}, {slider::kMoved, 2},
        {slider::kMoved, 10}, {slider::kMoved, 9}, {slider::kMoved, 1}};
    EXPECT_EQ(Posted(), expected);
    EXPECT_EQ(s.DialogCode(false), 4u);
    EXPECT_EQ(s.DialogCode(true), 0u);
}

TEST_F(BitmapSliderTest, AClickAwayFromTheThumbJumpsToIt)
{
    s.SetPos(0);
    s.OnButtonDown(150);
    EXPECT_EQ(s.GetPos(), 130);
    s.OnButtonUp();
    const std::vector<std::pair<std::uint32_t, std::intptr_t>> expected = {
        {slider::kPressed, 0}, {slider::kMoving, 130}, {slider::kMoved, 130}};
    EXPECT_EQ(Posted(), expected);
}

TEST_F(BitmapSliderTest, AClickOnTheThumbKeepsItsGrip)
{
    s.SetPos(80); // centre at 100
    s.OnButtonDown(105);
    EXPECT_EQ(s.GetPos(), 80);
    s.OnMouseMove(125);
    EXPECT_EQ(s.GetPos(), 100);
    // Beyond the channel's end the value stays at the limit, and once the clamped
    // pixel stops changing nothing more is told.
    s.OnMouseMove(400);
    s.OnMouseMove(500);
    EXPECT_EQ(s.GetPos(), 160);
    const std::vector<std::pair<std::uint32_t, std::intptr_t>> expected = {
        {slider::kPressed, 80}, {slider::kMoving, 100}, {slider::kMoving, 160}};
    EXPECT_EQ(Posted(), expected);
}

TEST_F(BitmapSliderTest, ADisabledSliderIgnoresEverything)
{
    s.SetEnabled(false);
    EXPECT_FALSE(s.OnButtonDown(150));
    EXPECT_FALSE(s.OnMouseMove(160));
    EXPECT_FALSE(s.OnButtonUp());
    EXPECT_FALSE(s.OnKey(slider::kEnd));
    EXPECT_TRUE(Posted().empty());
    EXPECT_EQ(s.GetPos(), 0);
}

TEST_F(BitmapSliderTest, FocusRectangle)
{
    EXPECT_FALSE(s.ShowsFocusRect());
    s.OnFocus(true);
    EXPECT_TRUE(s.ShowsFocusRect());
    s.SetEnabled(false);
    EXPECT_FALSE(s.ShowsFocusRect()) << "a disabled slider shows no focus";
    s.SetEnabled(true);
    s.SetDrawFocusRect(false);
    EXPECT_FALSE(s.ShowsFocusRect());
    EXPECT_TRUE(s.FocusOnClick());
}

TEST_F(BitmapSliderTest, VerticalSlidersUseTheOtherAxis)
{
    s.SetVertical(true);
    s.SetChannelSize(30, 120);
    s.SetThumbSize(30, 10);
    s.SetMargins(0, 5, 0, 5);
    s.SetRange(0, 100);
    EXPECT_EQ(s.ValueToPixel(0), 10);
    EXPECT_EQ(s.ValueToPixel(100), 110);
}

} // namespace
} // namespace vardex
