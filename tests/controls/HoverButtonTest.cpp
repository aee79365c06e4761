#include "controls/HoverButton.h"

#include "platform/emu/VirtualWindowRuntime.h"

#include <gtest/gtest.h>

namespace vardex {
namespace {

TEST(HoverButtonTest, StateImage)
{
    struct SCase {
        bool selected, hover, enabled;
        int image;
    };
    const SCase cases[] = {
        {false, false, true, hover::kNormal}, {true, false, true, hover::kPressed},
        {false, true, true, hover::kHover},   {true, true, true, hover::kPressed},
        {false, false, false, hover::kDisabled}, {false, true, false, hover::kDisabled},
    };
    for (const SCase& c : cases)
        EXPECT_EQ(HoverImage(c.selected, c.hover, c.enabled), c.image);
}

TEST(HoverButtonTest, StripsAndBlending)
{
    EXPECT_EQ(StripImageSize(400, 30, true).width, 100);
    EXPECT_EQ(StripImageSize(400, 30, true).height, 30);
    EXPECT_EQ(StripImageSize(100, 120, false).height, 30);

    const std::uint32_t background = 0xFF102030;
    EXPECT_EQ(BlendOver(background, 0x00FFFFFF), background) << "alpha 0 shows the background";
    // (0x10 * 127 + 0xF0 * 128) / 256 = 0x7F; (0x20 * 127 + 0) / 256 = 0x0F; (0x30 * 127 + 0x80 * 128) / 256 = 0x57
    EXPECT_EQ(BlendOver(background, 0x80F00080), 0x807F0F57u);
    EXPECT_EQ(BlendOver(background, 0xFF0A0B0C), 0xFF090A0Bu) << "divided by 256, as drawn";
}

TEST(HoverButtonTest, HoverAndLeave)
{
    CHoverButtonEx button;
    EXPECT_TRUE(button.OnMouseMove()) << "the first movement asks for the notices";
    EXPECT_FALSE(button.OnMouseMove());
    EXPECT_TRUE(button.OnMouseHover());
    EXPECT_TRUE(button.Hover());
    EXPECT_TRUE(button.OnMouseLeave());
    EXPECT_FALSE(button.Hover());
    EXPECT_TRUE(button.OnMouseMove()) << "tracking starts again after a leave";
}

TEST(HoverButtonTest, LabelsAndTheirColours)
{
    CHoverButtonEx2 button;
    const std::wstring text = L"PROFILE 1";
    const SRect rect{1, 2, 3, 4};
    button.SetLabel(&text, &rect);
    EXPECT_TRUE(button.Label().on);
    EXPECT_EQ(button.LabelColour(), Rgb(228, 228, 228));
    button.UseFirstColour(false);
    EXPECT_EQ(button.LabelColour(), Rgb(75, 75, 75));
    const std::wstring longText(40, L'x');
    button.SetLabel(&longText);
    EXPECT_EQ(button.Label().text.size(), CHoverButtonEx2::kLabelChars);
    EXPECT_EQ(button.Label().rect, rect) << "no rectangle given: the old one stays";
    button.SetLabel(nullptr);
    EXPECT_FALSE(button.Label().on);
    EXPECT_TRUE(button.Label().text.empty());
}

TEST(HoverButtonTest, PanelPartnersLightUpTogether)
{
    CVirtualClock clock;
    CVirtualWindowRuntime windows(clock);
    CHoverButtonEx4 label(windows);
    EXPECT_EQ(label.Label().rect, (SRect{55, 27, 195, 52}));
    EXPECT_EQ(label.Label().format, 0x8034u);
    EXPECT_EQ(label.LabelColour(), Rgb(255, 255, 255));
    label.SetPartners(0x10, 0x11);

    label.OnMouseHover();
    label.OnMouseHover(); // already lit: the partners are not told again
    label.OnMouseLeave();
    label.OnMouseLeave();
    const std::vector<SWindowMessage> expected = {
        {0x10, hover::kMouseHover, 0, 0, false},
        {0x11, hover::kMouseHover, 0, 0, false},
        {0x10, hover::kMouseLeave, 0, 0, false},
        {0x11, hover::kMouseLeave, 0, 0, false},
    };
    EXPECT_EQ(windows.messages, expected);
}

} // namespace
} // namespace vardex
