#include "macro/MacroSlotCodec.h"

#include "macro/MacroListing.h"
#include "platform/emu/EmulatedHidSystem.h"
#include "platform/emu/VirtualClock.h"
#include "profile/MemoryMap.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>

namespace vardex {
namespace {

using namespace macro;
using Bytes = std::vector<std::uint8_t>;

TEST(MacroLineTest, InstructionKinds)
{
    struct SCase {
        int opcode;
        int subtype;
        SInstructionKind kind;
    };
    const SCase cases[] = {
        {0x00, 0, {1, 13}}, {0x01, 0, {2, 7}},  {0x02, 0, {3, 13}}, {0x03, 0, {3, 8}},  {0x04, 0, {1, 1}},
        {0x77, 0, {1, 1}},  {0x78, 0, {1, 3}},  {0x7D, 0, {1, 3}},  {0x7E, 0, {1, 5}},  {0x7F, 0, {1, 13}},
        {0x80, 0, {5, 9}},  {0x81, 0, {1, 13}}, {0x82, 0, {3, 13}}, {0x84, 0, {1, 2}},  {0xF7, 0, {1, 2}},
        {0xF8, 0, {1, 4}},  {0xFD, 0, {1, 4}},  {0xFE, 0, {1, 6}},  {0xFF, 0, {1, 13}}, {0x83, 0, {6, 9}},
        {0x83, 1, {6, 10}}, {0x83, 2, {4, 11}}, {0x83, 3, {6, 10}}, {0x83, 4, {4, 12}}, {0x83, 5, {4, 14}},
        {0x83, 6, {2, 15}}, {0x83, 7, {2, 0}},  {0x83, 255, {2, 0}},
    };
    for (const SCase& c : cases) {
        const SInstructionKind k = InstructionKind(static_cast<std::uint8_t>(c.opcode), static_cast<std::uint8_t>(c.subtype));
        EXPECT_EQ(k.length, c.kind.length) << c.opcode << "/" << c.subtype;
        EXPECT_EQ(k.iconClass, c.kind.iconClass) << c.opcode << "/" << c.subtype;
    }
}

MacroLine WithDelay(MacroLine line, int delay)
{
    line.delay = delay;
    line.length = line.Kind().length + DelayStepBytes(delay);
    return line;
}

TEST(MacroLineTest, Encoding)
{
    struct SCase {
        MacroLine line;
        Bytes bytes;
    };
    const SCase cases[] = {
        {WithDelay(MakeLine(0x04), 1), {0x04}},
        {WithDelay(MakeLine(0x04), 2), {0x04, 0x01, 0x01}},
        {WithDelay(MakeLine(0x04), 256), {0x04, 0x01, 0xFF}},
        {WithDelay(MakeLine(0x04), 257), {0x04, 0x01, 0xFF, 0x01, 0x01}},
        {WithDelay(MakeLine(0x04), 511), {0x04, 0x01, 0xFF, 0x01, 0xFF}},
        {MakeLine(kLoopStart, 1), {0x02, 0x00, 0x00}},
        {MakeLine(kLoopStart, 256), {0x02, 0xFF, 0x00}},
        {MakeLine(kMotion, -1, 300), {0x80, 0xFF, 0xFF, 0x2C, 0x01}},
        {MakeLine(kConsumerKey, 0x0183), {0x03, 0x83, 0x01}},
        {MakeLine(kLoopEnd, 0x1234), {0x82, 0x34, 0x12}},
        {MakeExtendedLine(kAbsoluteMove, -2, 513), {0x83, 0x00, 0xFE, 0xFF, 0x01, 0x02}},
        {MakeExtendedLine(kIfLocks, 0x81 + 256 * 0x05, 7), {0x83, 0x01, 0x81, 0x05, 0x07, 0x00}},
        {MakeExtendedLine(kGoto, 300), {0x83, 0x02, 0x2C, 0x01}},
        {MakeExtendedLine(kIfVariables, 2 + 256 * 5, 9), {0x83, 0x03, 0x02, 0x05, 0x09, 0x00}},
        {MakeExtendedLine(kAssign, 12, 7), {0x83, 0x04, 0x0C, 0x07}},
        {MakeExtendedLine(kCall, 4), {0x83, 0x05, 0x04, 0x00}},
        {MakeExtendedLine(kReturn), {0x83, 0x06}},
    };
    for (const SCase& c : cases)
        EXPECT_EQ(EncodeLine(c.line), c.bytes) << "opcode " << int(c.line.opcode) << " D " << c.line.delay;
}

TEST(MacroLineTest, ALengthThatCannotHoldTheDelayYieldsNoBytes)
{
    MacroLine line = MakeLine(0x04);
    line.delay = 2; // needs a step, but the recorded length has none
    EXPECT_TRUE(EncodeLine(line).empty());
    line.length = 2; // half a step
    EXPECT_TRUE(EncodeLine(line).empty());
    // More steps than the shortest form keep their bytes: units fill them in order.
    line.length = 5;
    line.delay = 11;
    EXPECT_EQ(EncodeLine(line), (Bytes{0x04, 0x01, 0x0A, 0x01, 0x00}));
}

class MacroSlotCodecTest : public ::testing::Test {
protected:
    static constexpr int kSlot = mem::MacroSlot(1, 4);

    void PutScript(const Bytes& script, int lengthByte = -1)
    {
        shadow->StoreClean(kSlot, lengthByte < 0 ? static_cast<int>(script.size()) : lengthByte);
        for (std::size_t i = 0; i < script.size(); ++i)
            shadow->StoreClean(kSlot + 3 + static_cast<int>(i), script[i]);
    }
    Bytes SlotScript() const
    {
        Bytes out;
        for (int i = 0; i < shadow->Shadow(kSlot).value; ++i)
            out.push_back(static_cast<std::uint8_t>(shadow->Shadow(kSlot + 3 + i).value));
        return out;
    }
    std::vector<std::wstring> Texts() const
    {
        std::vector<std::wstring> out;
        for (const MacroLine& l : list.Lines())
            out.push_back(l.text);
        return out;
    }
    void Decode() { DecodeSlot(*shadow, kSlot, list); }

    CVirtualClock clock;
    CEmulatedHidSystem hid{clock};
    std::unique_ptr<CIcKX22> shadow = std::make_unique<CIcKX22>(hid, clock);
    CSkinLVCmdList list;
};

TEST_F(MacroSlotCodecTest, DecodesScripts)
{
    struct SCase {
        const char* name;
        Bytes script;
        std::vector<std::wstring> texts;
        std::vector<int> delays;
    };
    const SCase cases[] = {
        {"empty", {}, {}, {}},
        {"a leading delay step is dropped", {0x01, 0x05, 0x04, 0x84}, {L"'A'", L"'A'"}, {1, 1}},
        {"steps join the line before", {0x04, 0x01, 0xFF, 0x01, 0x01, 0x84}, {L"'A'", L"'A'"}, {257, 1}},
        {"call, return, unknown subtype skipped",
         {0x83, 0x05, 0x03, 0x00, 0x83, 0x07, 0x83, 0x06},
         {L"CALL 2", L"Return"},
         {1, 1}},
        {"forward goto resolves after the walk",
         {0x83, 0x02, 0x05, 0x00, 0x7F, 0x05},
         {L"GOTO 3", L"NOP", L"'B'"},
         {1, 1, 1}},
        {"a target inside a line names the next line",
         {0x80, 1, 0, 2, 0, 0x83, 0x02, 0x02, 0x00},
         {L"(1, 2)", L"GOTO 2"},
         {1, 1}},
        {"a target at the script length is unresolved", {0x04, 0x83, 0x02, 0x05, 0x00}, {L"'A'", L"GOTO ??"}, {1, 1}},
        {"a target inside the last line is unresolved", {0x04, 0x83, 0x02, 0x03, 0x00}, {L"'A'", L"GOTO ??"}, {1, 1}},
        {"loop", {0x02, 0x02, 0x00, 0x04, 0x82, 0x03, 0x00}, {L"<Loop>: 3 Times", L"'A'", L"<Loop> End"}, {1, 1, 1}},
        {"consumer and variables",
         {0x03, 0xE2, 0x00, 0x83, 0x04, 0x18, 0x07, 0x83, 0x03, 0x02, 0x05, 0x00, 0x00},
         {L"Mute", L"SET C = A +7", L"IF (A == 5)  GOTO 1"},
         {1, 1, 1}},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        PutScript(c.script);
        Decode();
        EXPECT_EQ(Texts(), c.texts);
        std::vector<int> delays;
        for (const MacroLine& l : list.Lines())
            delays.push_back(l.delay);
        EXPECT_EQ(delays, c.delays);
    }
}

TEST_F(MacroSlotCodecTest, CallAndReturnMeasureFourAndTwoBytes)
{
    PutScript({0x83, 0x05, 0x00, 0x00, 0x83, 0x06});
    Decode();
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Line(0).length, 4);
    EXPECT_EQ(list.Line(1).length, 2);
    EXPECT_EQ(list.UsedBytes(), 6);
}

TEST_F(MacroSlotCodecTest, ALoopEndTargetingNothingGoesOnAfterItself)
{
    PutScript({0x04, 0x82, 0x40, 0x00, 0x84});
    Decode();
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Line(1).Target(), 4);
    ASSERT_EQ(list.Jumps().size(), 1u);
    EXPECT_EQ(list.Jumps()[0], (JumpLink{1, 2, 4}));
}

TEST_F(MacroSlotCodecTest, NeverHoldsMoreThanTheSlot)
{
    // 124 NOPs, then a motion that would end past the capacity.
    Bytes script(124, 0x7F);
    script.push_back(0x80);
    PutScript(script, 0xFF);
    for (int i = 128; i < 300; ++i)
        shadow->StoreClean(kSlot + i, 0x04); // the next slots: never read
    Decode();
    EXPECT_EQ(list.Count(), 124);
    EXPECT_EQ(list.UsedBytes(), 124);
    EXPECT_EQ(ScriptLength(*shadow, kSlot), 125);
}

TEST_F(MacroSlotCodecTest, SplitDelayStepsKeepEveryOffsetThroughASave)
{
    const Bytes script = {0x04, 0x01, 0x05, 0x01, 0x05, 0x83, 0x02, 0x09, 0x00, 0x05};
    PutScript(script);
    Decode();
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Line(0).delay, 11);
    EXPECT_EQ(list.Line(1).text, L"GOTO 3");
    EXPECT_EQ(WriteScript(list.Lines(), *shadow, kSlot, 2), 10);
    EXPECT_EQ(SlotScript(), (Bytes{0x04, 0x01, 0x0A, 0x01, 0x00, 0x83, 0x02, 0x09, 0x00, 0x05}));
}

TEST_F(MacroSlotCodecTest, WritingMarksOnlyWhatChanged)
{
    PutScript({0x04, 0x84});
    shadow->StoreClean(kSlot + 1, 2);
    Decode();
    EXPECT_EQ(WriteScript(list.Lines(), *shadow, kSlot, 2), 2);
    for (int offset : {0, 1, 3, 4})
        EXPECT_EQ(shadow->Shadow(kSlot + offset).dirty, 0) << offset;

    list.Clear();
    EXPECT_EQ(WriteScript(list.Lines(), *shadow, kSlot, 2), 0);
    EXPECT_EQ(shadow->Shadow(kSlot).value, 0);
    EXPECT_EQ(shadow->Shadow(kSlot).dirty, 1);
    EXPECT_EQ(shadow->Shadow(kSlot + 1).dirty, 0);
    EXPECT_EQ(shadow->Shadow(kSlot + 3).dirty, 0) << "bytes past the script are not written";
}

TEST_F(MacroSlotCodecTest, ALineThatWouldPassTheCapacityIsLeftOutWithAllAfterIt)
{
    std::vector<MacroLine> lines(120, MakeLine(0x7F));
    lines.push_back(MakeLine(kMotion, 1, 1)); // 125 bytes in all
    lines.push_back(MakeLine(0x04));          // the 126th byte
    lines.push_back(MakeLine(0x05));
    EXPECT_EQ(WriteScript(lines, *shadow, kSlot, 2), 125);
    EXPECT_EQ(shadow->Shadow(kSlot).value, 125);
    EXPECT_EQ(shadow->Shadow(kSlot + 3 + 124).value, 0x00);
    EXPECT_EQ(shadow->Shadow(kSlot + 1).value, 2);

    lines.erase(lines.begin() + 120); // a line that yields no bytes leaves its place
    lines[0].delay = 3;
    EXPECT_EQ(WriteScript(lines, *shadow, kSlot, 2), 121);
    EXPECT_EQ(shadow->Shadow(kSlot + 3).value, 0x7F);
    EXPECT_EQ(shadow->Shadow(kSlot + 3 + 119).value, 0x04);
}

TEST(MacroSlotTimeBaseTest, TwiceTheUnitInSteps)
{
    EXPECT_EQ(TimeBase(25), 2);
    EXPECT_EQ(TimeBase(10), 2);
    EXPECT_EQ(TimeBase(50), 4);
}

// Random scripts of every kind, with jumps to the start of random lines.
std::vector<MacroLine> RandomLines(std::mt19937& rng)
{
    auto byte = [&] { return static_cast<int>(rng() & 0xFF); };
    auto word = [&] { return static_cast<int>(rng() & 0xFFFF); };
    std::vector<MacroLine> lines;
    int used = 0;
    while (true) {
        MacroLine line;
        const int kind = static_cast<int>(rng() % 10);
        if (kind < 4) {
            int op = byte();
            while (op == kDelayStep || op == kExtended || op == kLoopStart || op == kConsumerKey || op == kMotion ||
                   op == kLoopEnd)
                op = byte();
            line = MakeLine(static_cast<std::uint8_t>(op));
        } else if (kind == 4) {
            line = MakeLine(kLoopStart, 1 + byte());
        } else if (kind == 5) {
            line = MakeLine(kConsumerKey, word());
        } else if (kind == 6) {
            line = MakeLine(kMotion, word(), word());
        } else if (kind == 7) {
            line = MakeLine(kLoopEnd, 0);
        } else {
            line = MakeExtendedLine(static_cast<std::uint8_t>(rng() % 7), word(), word());
        }
        const int delay = rng() % 3 == 0 ? 1 + static_cast<int>(rng() % 600) : 1;
        line = WithDelay(line, delay);
        if (used + line.length > kCapacity)
            break;
        used += line.length;
        lines.push_back(line);
    }
    std::vector<int> starts;
    int offset = 0;
    for (const MacroLine& l : lines) {
        starts.push_back(offset);
        offset += l.length;
    }
    for (MacroLine& l : lines)
        if (l.IsJump())
            l.SetTarget(starts[rng() % starts.size()]);
    return lines;
}

TEST_F(MacroSlotCodecTest, RoundTripOfGeneratedScripts)
{
    std::mt19937 rng(20240611);
    for (int round = 0; round < 400; ++round) {
        const std::vector<MacroLine> lines = RandomLines(rng);
        CSkinLVCmdList expected;
        for (const MacroLine& l : lines)
            ASSERT_GE(expected.AppendLine(l), 0);
        expected.ResolveJumpsAgain();

        shadow->ResetShadow();
        const int total = WriteScript(lines, *shadow, kSlot, 2);
        ASSERT_EQ(total, expected.UsedBytes());
        Decode();
        ASSERT_EQ(list.Count(), expected.Count()) << "round " << round;
        for (int i = 0; i < list.Count(); ++i) {
            ASSERT_EQ(list.Line(i), expected.Line(i)) << "round " << round << " line " << i;
            ASSERT_EQ(list.DelayText(i), expected.DelayText(i));
        }
        ASSERT_EQ(list.UsedBytes(), total);
    }
}

} // namespace
} // namespace vardex
