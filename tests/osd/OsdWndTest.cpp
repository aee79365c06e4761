#include "osd/OsdWnd.h"

#include "osd/OsdImages.h"
#include "support/OsdHarness.h"

#include <gtest/gtest.h>

namespace vardex {
namespace {

using osd::EMode;
using Digits = std::array<int, 8>;

constexpr WindowHandle kWindow = 0x5150;
constexpr wchar_t kKey[] = L"Software\\Vardex";

constexpr std::intptr_t Word(int level, int profile, bool change, int y, int x)
{
    return static_cast<std::intptr_t>(SStatusWord::Make(level, profile, change, y, x));
}

class OsdWndTest : public ::testing::Test, protected test::SOsdHarness {
protected:
    OsdWndTest() { osd.OnCreate(kWindow); }

    int Post(std::uintptr_t wParam, std::intptr_t lParam) { return osd.OnDisplayMessage(wParam, lParam); }
    // Runs the next due timer; the virtual time it fired at.
    std::uint64_t Fire()
    {
        const auto due = windows.FireNext();
        EXPECT_TRUE(due);
        if (due)
            osd.OnTimer(due->id);
        return clock.NowMs();
    }
    std::uint32_t Pixel(int x, int y) const
    {
        const SImage& image = osd.Composed();
        return image.pixels[static_cast<std::size_t>(y) * image.width + x];
    }
    std::optional<std::uint32_t> Published()
    {
        const auto value = registry.Value(ERegRoot::kCurrentUser, kKey, L"OSD Handle");
        if (!value || value->data.size() != 4)
            return std::nullopt;
        return value->data[0] | (value->data[1] << 8) | (value->data[2] << 16) | (value->data[3] << 24);
    }

};

TEST(OsdImagesTest, RawCodesBecomeTheDigitsOfTheirRow)
{
    struct SCase {
        int raw;
        int number;
        std::array<int, 4> digits;
    };
    const SCase cases[] = {
        {0, 100, {315, 306, 305, 305}},  {1, 100, {315, 306, 305, 305}},  {5, 500, {315, 310, 305, 305}},
        {9, 800, {315, 313, 305, 305}},  {15, 1400, {306, 309, 305, 305}}, {72, 5800, {310, 313, 305, 305}},
        {80, 6500, {311, 310, 305, 305}}, {81, 6500, {311, 310, 305, 305}}, {255, 6500, {311, 310, 305, 305}},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.raw);
        EXPECT_EQ(osd::NumberForRawCode(c.raw), c.number);
        EXPECT_EQ(osd::DigitImages(c.number), c.digits);
    }
    EXPECT_EQ(osd::DigitImages(0), (std::array<int, 4>{315, 315, 315, 315}));
}

TEST_F(OsdWndTest, CreationPublishesTheWindowAndLeavesItHidden)
{
    EXPECT_EQ(Published(), kWindow);
    EXPECT_EQ(surface.alpha, 220);
    EXPECT_EQ(surface.shows, 1);
    EXPECT_FALSE(surface.visible);
    EXPECT_FALSE(osd.Shown());
    EXPECT_EQ(osd.Mode(), EMode::kNothing);

    Post(0, Word(0, 1, true, 0, 0));
    osd.OnDestroy();
    EXPECT_EQ(Published(), 0u);
    EXPECT_FALSE(windows.AnyTimer());
}

TEST_F(OsdWndTest, StatusWordsChooseTheImageAndStoreTheLevelsValues)
{
    struct SCase {
        const char* name;
        std::intptr_t word;
        EMode mode;
        int profile;
        int background; // 0: nothing new shown
        Digits digits;
    };
    const Digits none{};
    const SCase cases[] = {
        {"profile 3", Word(1, 2, true, 9, 72), EMode::kProfile, 2, 302, none},
        {"profile 7 has no image", Word(1, 6, true, 9, 72), EMode::kProfile, 6, 0, none},
        {"level 3 panel", Word(2, 1, false, 9, 72), EMode::kLevelPanel, 1, 318, {310, 313, 305, 305, 315, 313, 305, 305}},
        {"a level of profile 6 keeps the profile", Word(0, 5, false, 0, 5), EMode::kLevelPanel, 1, 316,
         {315, 310, 305, 305, 315, 306, 305, 305}},
        {"level bits 2 and 3 are not the level", Word(0x0D, 0, false, 1, 2), EMode::kLevelPanel, 0, 317,
         {315, 307, 305, 305, 315, 306, 305, 305}},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        Post(5, 1); // the program's current profile
        skin.loads = 0;
        EXPECT_EQ(Post(0, c.word), 1);
        EXPECT_EQ(osd.Mode(), c.mode);
        EXPECT_EQ(osd.Profile(), c.profile);
        const int level = SStatusWord::Level(static_cast<std::uint32_t>(c.word));
        EXPECT_EQ(osd.Level(), level);
        EXPECT_EQ(values.y[level], SStatusWord::YCode(static_cast<std::uint32_t>(c.word)));
        EXPECT_EQ(values.x[level], SStatusWord::XCode(static_cast<std::uint32_t>(c.word)));
        if (c.background != 0) {
            EXPECT_EQ(osd.Background(), c.background);
            EXPECT_EQ(osd.Digits(), c.digits);
        } else {
            EXPECT_EQ(skin.loads, 0);
        }
        osd.OnTimer(osd::kHideTimer);
    }
}

TEST_F(OsdWndTest, ThePanelsDigitsAreDrawnInTwoRowsByTheirWidths)
{
    Post(0, Word(2, 0, false, 9, 72)); // X 5800 above, Y " 800" below
    ASSERT_EQ(osd.Composed().width, 280);
    ASSERT_EQ(osd.Composed().height, 123);
    // Inside each digit, clear of its frame: 5, 8, 0, 0 from x 98 in steps of 28...
    const int upper[] = {310, 313, 305, 305};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(Pixel(98 + 28 * i + 10, 40 + 10), CGeneratedSkin::BodyColour(upper[i])) << i;
    // ...and blank, 8, 0, 0, where the blank is 30 wide.
    const int lowerLeft[] = {98, 128, 156, 184};
    const int lower[] = {315, 313, 305, 305};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(Pixel(lowerLeft[i] + 10, 80 + 10), CGeneratedSkin::BodyColour(lower[i])) << i;
    EXPECT_EQ(Pixel(60, 60), CGeneratedSkin::BodyColour(318)); // the panel itself

    // The shape leaves out the key colour: the corner and the digits' frames.
    EXPECT_EQ(surface.shape, ShapeFromBitmap({280, 123, osd.Composed().pixels}, Rgb(64, 64, 64)));
    auto covered = [&](int x, int y) {
        return std::any_of(surface.shape.begin(), surface.shape.end(),
                           [&](const SRect& r) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; });
    };
    EXPECT_FALSE(covered(0, 0));
    EXPECT_FALSE(covered(98, 50));
    EXPECT_TRUE(covered(108, 50));
    EXPECT_TRUE(covered(60, 60));
    // Centred, 50 pixels above the bottom of a 1280 x 1024 screen.
    EXPECT_EQ(surface.placement, (SRect{500, 851, 780, 974}));
}

TEST_F(OsdWndTest, ExtraButtonsShowTheirArrows)
{
    struct SCase {
        std::intptr_t value;
        int background;
        SRect placement;
    };
    const SCase cases[] = {{3, 320, {614, 923, 666, 974}}, {4, 321, {614, 923, 665, 974}}};
    for (const SCase& c : cases) {
        EXPECT_EQ(Post(1, c.value), 1);
        EXPECT_EQ(osd.Mode(), EMode::kExtraButton);
        EXPECT_EQ(osd.ButtonEvent(), c.value);
        EXPECT_EQ(osd.Background(), c.background);
        EXPECT_EQ(surface.placement, c.placement);
        EXPECT_TRUE(osd.Shown());
        osd.OnTimer(osd::kHideTimer);
    }
    EXPECT_EQ(Post(1, 5), 1);
    EXPECT_EQ(osd.ButtonEvent(), 4);
    EXPECT_FALSE(osd.Shown());
}

TEST_F(OsdWndTest, OtherCodesChangeNothing)
{
    Post(0, Word(1, 2, false, 3, 4));
    osd.OnTimer(osd::kHideTimer);
    const int shapes = surface.shapes;
    EXPECT_EQ(Post(6, 0x1503), 1);
    EXPECT_EQ(Post(2, 1), 0);
    EXPECT_EQ(Post(8, 1), 0);
    EXPECT_EQ(Post(0x9101, 0), 0);
    EXPECT_EQ(surface.shapes, shapes);
    EXPECT_EQ(osd.Profile(), 2);
    EXPECT_FALSE(osd.Shown());
}

TEST_F(OsdWndTest, AnEventShowsTheWindowForThreeSeconds)
{
    Post(0, Word(0, 0, true, 0, 0));
    EXPECT_TRUE(surface.visible);
    EXPECT_TRUE(windows.IsRunning(kWindow, osd::kHideTimer));
    EXPECT_EQ(Fire(), 3000u);
    EXPECT_FALSE(surface.visible);
    EXPECT_FALSE(osd.Shown());
    EXPECT_FALSE(windows.AnyTimer());
}

TEST_F(OsdWndTest, ASecondEventRedrawsAndRestartsTheThreeSeconds)
{
    Post(0, Word(0, 0, true, 0, 0));
    clock.Sleep(1000);
    Post(0, Word(0, 1, true, 0, 0));
    EXPECT_EQ(osd.Background(), 301);
    EXPECT_FALSE(windows.IsRunning(kWindow, osd::kHideTimer));
    EXPECT_EQ(Fire(), 1010u); // shown anew
    EXPECT_TRUE(osd.Shown());
    EXPECT_TRUE(surface.visible);
    EXPECT_EQ(Fire(), 4010u);
    EXPECT_FALSE(surface.visible);
    EXPECT_FALSE(windows.AnyTimer());
}

TEST_F(OsdWndTest, SwitchedOffTheDisplayStaysHiddenButFollowsTheState)
{
    EXPECT_EQ(Post(7, 0), 1);
    Post(0, Word(3, 4, true, 0, 0));
    EXPECT_FALSE(surface.visible);
    EXPECT_EQ(osd.Profile(), 4);
    EXPECT_FALSE(windows.AnyTimer());
    Post(7, 1);
    Post(1, 3);
    EXPECT_TRUE(surface.visible);
}

TEST_F(OsdWndTest, APointerThatEntersLaterHidesTheWindow)
{
    surface.cursorInside = true; // resting where the window shows up
    Post(1, 3);
    EXPECT_EQ(osd.OnNcHitTest(), osd::kHitClient);
    EXPECT_TRUE(surface.visible);
    osd.OnTimer(osd::kHideTimer);

    surface.cursorInside = false;
    Post(1, 4);
    EXPECT_EQ(osd.OnNcHitTest(), osd::kHitClient);
    EXPECT_FALSE(surface.visible);
    EXPECT_FALSE(windows.AnyTimer());
}

TEST_F(OsdWndTest, AMissingBackgroundShowsThePreviousImageWhereItWas)
{
    Post(1, 3);
    osd.OnTimer(osd::kHideTimer);
    const SRect placement = surface.placement;
    skin.missing = {316};
    Post(0, Word(0, 0, false, 1, 1));
    EXPECT_EQ(osd.Background(), 320);
    EXPECT_EQ(surface.placement, placement);
    EXPECT_TRUE(surface.visible);
}

TEST(OsdBeforeCreationTest, EventsAreIgnoredUntilTheWindowExists)
{
    test::SOsdHarness h;
    EXPECT_EQ(h.osd.OnDisplayMessage(1, 3), 1);
    EXPECT_EQ(h.skin.loads, 0);
    EXPECT_FALSE(h.surface.visible);
}

} // namespace
} // namespace vardex
