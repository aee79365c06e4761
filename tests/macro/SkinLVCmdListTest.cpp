#include "macro/SkinLVCmdList.h"

#include <gtest/gtest.h>

namespace vardex {
namespace {

using namespace macro;

class SkinLVCmdListTest : public ::testing::Test {
protected:
    SkinLVCmdListTest() { list.SetUp(SMacroTexts{}); }

    void SelectOnly(int line)
    {
        for (int i = 0; i < list.Count(); ++i)
            list.Deselect(i);
        list.Select(line);
    }
    std::vector<std::wstring> Texts() const
    {
        std::vector<std::wstring> out;
        for (const MacroLine& l : list.Lines())
            out.push_back(l.text);
        return out;
    }
    // 'A', 'B', GOTO line 4 ('C'), 'C', 'D': offsets 0, 1, 2, 6, 7.
    void FillWithGoto()
    {
        list.Append(0x04);
        list.Append(0x05);
        list.AppendExtended(kGoto, 6);
        list.Append(0x06);
        list.Append(0x07);
        list.ResolveJumpsAgain();
        ASSERT_EQ(list.Line(2).text, L"GOTO 4");
    }

    CSkinLVCmdList list;
};

TEST_F(SkinLVCmdListTest, AppendCountsBytesAndRefusesWhatDoesNotFit)
{
    EXPECT_EQ(list.Append(kDelayStep, 4), kResultNoLine);
    EXPECT_EQ(list.Count(), 0);
    EXPECT_EQ(list.UsedBytes(), 0);

    EXPECT_EQ(list.Append(0x04), 0);
    EXPECT_EQ(list.Append(kDelayStep, 20), 0);
    EXPECT_EQ(list.Line(0).delay, 21);
    EXPECT_EQ(list.Line(0).length, 3);
    EXPECT_EQ(list.DelayText(0), L"525ms");
    EXPECT_EQ(list.NumberText(0), L"1");
    EXPECT_EQ(list.Append(kMotion, 3, 4), 1);
    EXPECT_EQ(list.UsedBytes(), 8);

    while (list.UsedBytes() < kCapacity)
        ASSERT_GE(list.Append(0x7F), 0);
    for (std::uint8_t op : {0x04, 0x01, 0x7F})
        EXPECT_EQ(list.Append(op, 1), kResultFull) << int(op);
    EXPECT_EQ(list.AppendExtended(kReturn), kResultFull);
    EXPECT_EQ(list.UsedBytes(), kCapacity);

    SelectOnly(0);
    EXPECT_EQ(list.SetSelectedDelay(25 * 300), 1) << "refused for lack of room, yet one line is selected";
    EXPECT_EQ(list.Line(0).delay, 21);
    EXPECT_EQ(list.SetSelectedDelay(25), 1) << "shrinking always fits";
    EXPECT_EQ(list.Line(0).delay, 1);
    EXPECT_EQ(list.UsedBytes(), kCapacity - 2);
}

TEST_F(SkinLVCmdListTest, HeadingsComeFromTheTexts)
{
    EXPECT_EQ(list.Heading(0), L"NO.");
    EXPECT_EQ(list.Heading(1), L"INSTRUCTION");
    EXPECT_EQ(list.Heading(2), L"DELAY");
}

TEST_F(SkinLVCmdListTest, SetDelayNeedsExactlyOneSelectedLine)
{
    list.Append(0x04);
    list.Append(0x05);
    EXPECT_EQ(list.SetSelectedDelay(100), 0);
    list.Select(0);
    list.Select(1);
    EXPECT_EQ(list.SetSelectedDelay(100), 0);
    list.Deselect(0);
    EXPECT_EQ(list.SetSelectedDelay(100), 1);
    EXPECT_EQ(list.CurrentLine(), 1);
    EXPECT_EQ(list.Line(1).delay, 4);
}

TEST_F(SkinLVCmdListTest, DelayUnitsFromMilliseconds)
{
    list.Append(0x04);
    list.Select(0);
    struct SCase {
        int ms;
        int delay;
        int length;
    };
    const SCase cases[] = {{0, 1, 1}, {-40, 1, 1}, {25, 1, 1}, {26, 2, 3}, {50, 2, 3}, {5000, 200, 3},
                           {6400, 256, 3}, {6401, 257, 5}};
    for (const SCase& c : cases) {
        list.SetSelectedDelay(c.ms);
        EXPECT_EQ(list.Line(0).delay, c.delay) << c.ms;
        EXPECT_EQ(list.Line(0).length, c.length) << c.ms;
        EXPECT_EQ(list.UsedBytes(), c.length) << c.ms;
    }
}

TEST_F(SkinLVCmdListTest, RaisingADelayMovesEveryLaterTarget)
{
    FillWithGoto();
    list.AppendExtended(kCall, 1); // CALL line 2 ('B'), at offset 8
    SelectOnly(1);
    list.SetSelectedDelay(50); // 'B' grows by one step
    EXPECT_EQ(list.Line(2).Target(), 8) << "the target right after the changed line moves too";
    EXPECT_EQ(list.Line(2).text, L"GOTO 4");
    EXPECT_EQ(list.Line(5).Target(), 1) << "a target at the changed line itself stays";
    EXPECT_EQ(list.Jumps()[0], (JumpLink{2, 3, 8}));
}

TEST_F(SkinLVCmdListTest, ChangingTheDelayOfAnyLineKeepsItsOperands)
{
    list.AppendExtended(kIfVariables, 2 + 256 * 9, 0);
    list.AppendExtended(kGoto, 0);
    list.Append(kLoopStart, 7);
    list.Append(kConsumerKey, 0xE9);
    for (int i = 0; i < list.Count(); ++i) {
        const auto operands = list.Line(i).operands;
        SelectOnly(i);
        list.SetSelectedDelay(250);
        EXPECT_EQ(list.Line(i).operands, operands) << i;
        EXPECT_EQ(list.Line(i).delay, 10);
    }
    EXPECT_EQ(list.Line(0).text, L"IF (A == 9)  GOTO 1");
}

TEST_F(SkinLVCmdListTest, DeletingATargetSendsItsJumpToTheFirstLine)
{
    FillWithGoto();
    SelectOnly(3);
    list.DeleteSelected();
    EXPECT_EQ(list.Count(), 4);
    EXPECT_EQ(list.Line(2).Target(), 0);
    EXPECT_EQ(list.Line(2).text, L"GOTO 1");
    EXPECT_EQ(list.CurrentLine(), 3);
    EXPECT_TRUE(list.IsSelected(3));
    EXPECT_EQ(list.SelectedCount(), 1);
}

TEST_F(SkinLVCmdListTest, DeletingLinesBeforeATargetFollowsIt)
{
    FillWithGoto();
    list.Append(kLoopEnd, 1); // loop back to 'B', line 6
    list.Select(0);
    list.Select(4);
    list.DeleteSelected();
    EXPECT_EQ(Texts(), (std::vector<std::wstring>{L"'B'", L"GOTO 3", L"'C'", L"<Loop> End"}));
    EXPECT_EQ(list.Line(1).Target(), 5);
    EXPECT_EQ(list.Line(3).Target(), 0);
    EXPECT_EQ(list.UsedBytes(), 9);
    EXPECT_EQ(list.Jumps().size(), 2u);
}

TEST_F(SkinLVCmdListTest, DeletingAJumpLineRemovesOnlyItsOwnEntry)
{
    FillWithGoto();
    list.AppendExtended(kCall, 7); // CALL 'D'
    SelectOnly(2);
    list.DeleteSelected();
    ASSERT_EQ(list.Jumps().size(), 1u);
    EXPECT_EQ(list.Jumps()[0], (JumpLink{4, 3, 3}));
    EXPECT_EQ(list.Line(4).text, L"CALL 4");
}

TEST_F(SkinLVCmdListTest, MovingATargetDownTakesItsJumpAlong)
{
    FillWithGoto();
    SelectOnly(3);
    EXPECT_TRUE(list.MoveSelectedDown());
    EXPECT_EQ(list.Line(4).opcode, 0x06);
    EXPECT_EQ(list.Line(2).Target(), 7);
    EXPECT_EQ(list.Line(2).text, L"GOTO 5");
    EXPECT_TRUE(list.IsSelected(4));
    EXPECT_EQ(list.SelectedCount(), 1);
    EXPECT_FALSE(list.MoveSelectedDown()) << "the last line cannot move down";

    SelectOnly(2); // the jump line itself moves up: its target stays
    EXPECT_TRUE(list.MoveSelectedUp());
    EXPECT_EQ(list.Line(1).text, L"GOTO 5");
    EXPECT_EQ(list.Line(1).Target(), 7);
    EXPECT_EQ(list.Jumps()[0], (JumpLink{1, 4, 7}));
    SelectOnly(0);
    EXPECT_FALSE(list.MoveSelectedUp());
}

TEST_F(SkinLVCmdListTest, SwappingTheJumpWithItsTarget)
{
    list.Append(0x04);
    list.AppendExtended(kGoto, 0);
    SelectOnly(1);
    EXPECT_TRUE(list.MoveSelectedUp());
    EXPECT_EQ(list.Line(0).text, L"GOTO 2");
    EXPECT_EQ(list.Line(0).Target(), 4);
    EXPECT_EQ(list.Jumps()[0], (JumpLink{0, 1, 4}));
}

TEST_F(SkinLVCmdListTest, KeyHeldLooksUpwardFromTheCurrentLine)
{
    struct SCase {
        std::vector<std::uint8_t> opcodes;
        int current;
        bool held;
    };
    const SCase cases[] = {
        {{}, 0, false},
        {{0x04}, 0, true},
        {{0x04, 0x84}, 1, false},
        {{0x04, 0x05, 0x85}, 2, true},
        {{0x84, 0x04, 0x05}, 0, false},
        {{0x04, 0x84, 0x04}, 1, false},
        {{0x04, 0x84, 0x04}, 2, true},
    };
    for (const SCase& c : cases) {
        list.Clear();
        for (std::uint8_t op : c.opcodes)
            list.Append(op);
        list.Select(c.current);
        EXPECT_EQ(list.KeyHeld(0x04), c.held) << c.opcodes.size() << "/" << c.current;
    }
}

TEST_F(SkinLVCmdListTest, JumpsBeyondTheTableOrTheSlotAreNotTracked)
{
    list.SetCapacity(1000);
    list.Append(0x04);
    for (int i = 0; i < 130; ++i)
        list.AppendExtended(kCall, 0);
    EXPECT_EQ(list.Jumps().size(), static_cast<std::size_t>(CSkinLVCmdList::kMaxJumps));
    EXPECT_EQ(list.Line(130).text, L"CALL 1") << "an untracked jump still shows its line";

    list.Clear();
    list.Append(kLoopEnd, 125);
    EXPECT_TRUE(list.Jumps().empty());
    list.Append(kLoopEnd, 124);
    EXPECT_EQ(list.Jumps().size(), 1u);
}

} // namespace
} // namespace vardex
