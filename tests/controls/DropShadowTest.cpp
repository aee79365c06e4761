#include "controls/DropShadow.h"

#include <gtest/gtest.h>

namespace vardex {
namespace {

int AlphaAt(const SShadowImage& image, int x, int y)
{
    return static_cast<int>(image.pixels[static_cast<std::size_t>(y) * image.width + x] >> 24);
}

TEST(DropShadowTest, KernelOfTheDialogs)
{
    const SShadowParams p = kDialogShadow;
    struct SCase {
        double distance;
        int alpha;
    };
    for (const SCase c : {SCase{0, 180}, SCase{1, 163}, SCase{6, 81}, SCase{10, 16}, SCase{10.5, 0}}) {
        EXPECT_EQ(ShadowAlpha(p, c.distance), c.alpha) << c.distance;
    }
    SShadowParams wide = p;
    wide.Set(15, 5, 200, 0, 0); // the solid part reaches 10 pixels
    EXPECT_EQ(ShadowAlpha(wide, 9.9), 200);
    EXPECT_EQ(ShadowAlpha(wide, 13), static_cast<int>((1 - 3.0 / 6) * 200));
}

TEST(DropShadowTest, ParametersOutOfRangeAreIgnored)
{
    SShadowParams p = kDialogShadow;
    p.Set(25, 10, 300, -21, 4);
    EXPECT_EQ(p.size, 5);
    EXPECT_EQ(p.darkness, 180);
    EXPECT_EQ(p.offsetX, 0);
    EXPECT_EQ(p.offsetY, 4);
    p.Set(-20, 0, 0, 20, -20);
    EXPECT_EQ(p.size, -20);
    EXPECT_EQ(p.sharpness, 0);
}

TEST(DropShadowTest, OwnerSpansFromItsShape)
{
    const std::vector<SRect> shape = {{2, 0, 5, 1}, {7, 0, 9, 1}, {0, 2, 3, 3}};
    const std::vector<SSpan> rows = OwnerSpans(shape, 10, 4);
    EXPECT_EQ(rows[0].start, 2);
    EXPECT_EQ(rows[0].end, 9);
    EXPECT_GE(rows[1].start, rows[1].end) << "an empty row";
    EXPECT_EQ(rows[2].start, 0);
    EXPECT_EQ(rows[2].end, 3);
}

TEST(DropShadowTest, ImageAroundARectangularOwner)
{
    const std::vector<SSpan> owner = OwnerSpans({{0, 0, 40, 30}}, 40, 30);
    const SShadowImage image = BuildShadowImage(owner, 40, 30, kDialogShadow);
    ASSERT_EQ(image.width, 50);
    ASSERT_EQ(image.height, 40);
    // The eroded body runs from 10 to 39 and 10 to 29; the owner covers 5 to 44 and 5 to 34.
    EXPECT_EQ(AlphaAt(image, 0, 20), 16);
    EXPECT_EQ(AlphaAt(image, 4, 20), 81);
    EXPECT_EQ(AlphaAt(image, 20, 0), 16);
    EXPECT_EQ(AlphaAt(image, 25, 4), 81);
    EXPECT_EQ(AlphaAt(image, 5, 20), 0) << "nothing shows through the owner";
    EXPECT_EQ(AlphaAt(image, 25, 20), 0);
    EXPECT_EQ(AlphaAt(image, 49, 20), 16) << "both sides alike";
}

TEST(DropShadowTest, OffsetsMoveTheOwnersHole)
{
    SShadowParams p = kDialogShadow;
    p.Set(5, 10, 180, 3, 0);
    const SShadowImage image = BuildShadowImage(OwnerSpans({{0, 0, 40, 30}}, 40, 30), 40, 30, p);
    EXPECT_EQ(AlphaAt(image, 2, 20), 0);
    EXPECT_GT(AlphaAt(image, 43, 20), 0) << "uncovered on the side the shadow moved to";
}

TEST(DropShadowTest, DegenerateOwners)
{
    EXPECT_TRUE(BuildShadowImage({}, 0, 0, SShadowParams{-20, 0, 10, 0, 0, 0}).pixels.empty());
    const SShadowImage tiny = BuildShadowImage(OwnerSpans({{0, 0, 4, 4}}, 4, 4), 4, 4, kDialogShadow);
    EXPECT_EQ(tiny.pixels.size(), 14u * 14u);
}

} // namespace
} // namespace vardex
