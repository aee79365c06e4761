#include "controls/BitmapProgressBar.h"
#include "controls/Shape.h"

#include <gtest/gtest.h>

namespace vardex {
namespace {

constexpr int kFrames[10] = {100, 101, 102, 103, 104, 105, 106, 107, 108, 109};

TEST(BitmapProgressBarTest, FramesFollowThePosition)
{
    struct SCase {
        int total;
        int position;
        int frame;
    };
    const SCase cases[] = {
        {342, 0, 0},   {342, 33, 0},  {342, 34, 1},  {342, 305, 8}, {342, 306, 9},
        {342, 341, 9}, {342, 342, 9}, {4, 1, 2},     {4, 3, 6},     {4, 4, 9},
        {10, 5, 5},    {0, 3, 9},     {4, -1, 0},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.total << " at " << c.position);
        CBitmapProgressBar bar;
        ASSERT_EQ(bar.Setup(kFrames), 1);
        bar.SetRange(c.total);
        EXPECT_TRUE(bar.Shown());
        bar.SetPos(c.position);
        EXPECT_EQ(bar.CurrentFrame(), c.frame);
    }
}

TEST(BitmapProgressBarTest, TheSameFrameIsNotShownAgain)
{
    CBitmapProgressBar bar;
    bar.Setup(kFrames);
    bar.SetRange(342);
    EXPECT_EQ(bar.Ratio(), 34);
    EXPECT_TRUE(bar.SetPos(34));
    EXPECT_FALSE(bar.SetPos(40));
    EXPECT_EQ(bar.CurrentFrameId(), 101);
    EXPECT_EQ(bar.Setup(nullptr), 0);
}

TEST(ShapeTest, RunsOfPixelsThatAreNotTheKeyColour)
{
    const std::uint32_t k = kShapeKeyColour;
    const std::uint32_t a = Rgb(10, 20, 30);
    const std::uint32_t g = Rgb(0, 64, 1); // one off the key: part of the shape
    // clang-format off
    const std::uint32_t pixels[] = {
        k, a, a, k, a,
        k, k, k, k, k,
        g, a, k, a, k,
    };
    // clang-format on
    const std::vector<SRect> expected = {
        {1, 0, 3, 1}, {4, 0, 5, 1}, {0, 2, 2, 3}, {3, 2, 4, 3},
    };
    EXPECT_EQ(ShapeFromBitmap({5, 3, pixels}, k), expected);
    EXPECT_TRUE(ShapeFromBitmap({5, 4, pixels}, k).empty()) << "a bitmap shorter than its size is refused";
    const std::uint32_t withAlpha[] = {0xFF004000, 0xFF0A141E};
    EXPECT_EQ(ShapeFromBitmap({2, 1, withAlpha}, k), (std::vector<SRect>{{1, 0, 2, 1}}));
}

} // namespace
} // namespace vardex
