#include "macro/MacroRecorder.h"

#include "support/MacroFakes.h"

#include <gtest/gtest.h>

namespace vardex {
namespace {

constexpr std::uint32_t kRelease = 0xC0000001u;
constexpr std::uint32_t kPress = 0x00000001u;
constexpr WindowHandle kStopButton = 0x777;

class MacroRecorderTest : public ::testing::Test, protected IRecorderEvents {
protected:
    MacroRecorderTest()
    {
        list.SetUp(SMacroTexts{});
        recorder.SetStopButton(kStopButton);
        EXPECT_TRUE(recorder.Start());
    }
    void RecordingFull() override
    {
        ++full;
        recorder.Stop();
    }
    bool Key(int vk, bool release) { return recorder.OnKeyboard(0, vk, release ? kRelease : kPress); }
    bool Mouse(std::uint32_t message, std::uint32_t data = 0, WindowHandle window = 0x500, int y = 100)
    {
        return recorder.OnMouse(0, {message, data, window, y});
    }
    std::vector<int> Opcodes() const
    {
        std::vector<int> out;
        for (const MacroLine& l : list.Lines())
            out.push_back(l.opcode);
        return out;
    }

    CSkinLVCmdList list;
    test::CFakeHooks hooks;
    test::CFakeLocalTime time;
    int full = 0;
    CMacroRecorder recorder{list, hooks, time, *this};
};

TEST_F(MacroRecorderTest, HeldKeyRecordsOnePressAndOneRelease)
{
    EXPECT_TRUE(Key('A', false));
    EXPECT_TRUE(Key('A', false));
    EXPECT_TRUE(Key('A', false));
    EXPECT_TRUE(Key('A', true));
    EXPECT_EQ(Opcodes(), (std::vector<int>{0x04, 0x84}));
    EXPECT_EQ(list.CurrentLine(), 1);
    EXPECT_EQ(list.SelectedCount(), 1);
    EXPECT_TRUE(list.IsSelected(1));
}

TEST_F(MacroRecorderTest, ReleasesWithoutTheirPress)
{
    Key('B', true);     // pressed before RECORD
    Key(0x2C, true);    // Print Screen reports only its release
    Key(0x2C, true);
    Key(229, false);    // the input method's placeholder
    Key(0xFF, false);   // no key code: not recorded
    EXPECT_EQ(Opcodes(), (std::vector<int>{0x05, 0x85, 0x46, 0xC6, 0x46, 0xC6}));
    EXPECT_FALSE(recorder.OnKeyboard(3, 'C', kPress)) << "other hook codes pass on";
}

TEST_F(MacroRecorderTest, ModifierSides)
{
    hooks.down = {0xA0};         // left Shift
    Key(0x10, false);
    hooks.down = {};
    Key(0x11, false);            // right Control
    Key(0x10, true);             // the remembered left side
    Key(0x11, true);
    hooks.down = {0xA4};
    Key(0x12, false);
    Key(0x12, true);
    EXPECT_EQ(Opcodes(), (std::vector<int>{0x71, 0x74, 0xF1, 0xF4, 0x72, 0xF2}));
}

TEST_F(MacroRecorderTest, KeyTable)
{
    struct SCase {
        int vk;
        int code;
    };
    const SCase cases[] = {{0x08, 0x2A}, {0x0D, 0x28}, {0x13, 0x48}, {0x21, 0x4B}, {0x28, 0x51}, {0x2E, 0x4C},
                           {0x30, 0x27}, {0x31, 0x1E}, {0x39, 0x26}, {0x41, 0x04}, {0x5A, 0x1D}, {0x5B, 0x73},
                           {0x5C, 0x77}, {0x60, 0x62}, {0x61, 0x59}, {0x69, 0x61}, {0x6A, 0x55}, {0x6F, 0x54},
                           {0x70, 0x3A}, {0x7B, 0x45}, {0x90, 0x53}, {0x91, 0x47}, {0xBA, 0x33}, {0xBF, 0x38},
                           {0xC0, 0x35}, {0xDE, 0x34}, {0x7C, 0x00}, {0x10, 0x00}};
    for (const SCase& c : cases)
        EXPECT_EQ(CMacroRecorder::KeyCode(c.vk), c.code) << c.vk;
}

TEST_F(MacroRecorderTest, MouseMessages)
{
    struct SCase {
        std::uint32_t message;
        std::uint32_t data;
        WindowHandle window;
        int y;
        int opcode; // -1: passed on
    };
    const SCase cases[] = {
        {mouse::kLeftDown, 0, 0x500, 100, 0x78},
        {mouse::kLeftUp, 0, 0x500, 100, 0xF8},
        {mouse::kLeftDown, 0, 0x500, 39, 0xF8},
        {mouse::kLeftUp, 0, 0x500, 0, 0xF8},
        {mouse::kLeftDown, 0, kStopButton, 100, -1},
        {mouse::kNcLeftDown, 0, 0x500, 100, 0xF8},
        {mouse::kNcRightDown, 0, 0x500, 100, 0x79},
        {mouse::kRightUp, 0, 0x500, 100, 0xF9},
        {mouse::kMiddleDown, 0, 0x500, 100, 0x7A},
        {mouse::kNcMiddleUp, 0, 0x500, 100, 0xFA},
        {mouse::kXDown, 0x10000, 0x500, 100, 0x7B},
        {mouse::kNcXDown, 0x20000, 0x500, 100, 0x7C},
        {mouse::kXUp, 0x10000, 0x500, 100, 0xFB},
        {mouse::kXUp, 0x30000, 0x500, 100, -1},
        {mouse::kWheel, 0xFF880000, 0x500, 100, 0x7E},
        {mouse::kWheel, 0x00780000, 0x500, 100, 0xFE},
        {mouse::kMove, 0, 0x500, 100, -1},
    };
    for (const SCase& c : cases) {
        const int before = list.Count();
        const bool swallowed = recorder.OnMouse(0, {c.message, c.data, c.window, c.y});
        EXPECT_EQ(swallowed, c.opcode >= 0) << std::hex << c.message;
        if (c.opcode >= 0)
            EXPECT_EQ(list.Line(list.Count() - 1).opcode, c.opcode) << std::hex << c.message;
        else
            EXPECT_EQ(list.Count(), before);
    }
    EXPECT_FALSE(recorder.OnMouse(-1, {mouse::kLeftDown, 0, 0x500, 100}));
}

TEST_F(MacroRecorderTest, DelaysFromTheWallClock)
{
    Mouse(mouse::kLeftDown);
    time.Advance(1000);
    Mouse(mouse::kLeftUp);
    EXPECT_EQ(list.Line(0).delay, 21);
    EXPECT_EQ(list.DelayText(0), L"525ms");
    time.Advance(60000);
    Key('A', false);
    EXPECT_EQ(list.Line(1).delay, 201) << "ten seconds at most";
    time.Advance(40);
    Key('A', true);
    EXPECT_EQ(list.Line(2).delay, 1) << "under two units adds nothing";
    time.now.day = 1; // a new month: the clock went back
    Key('B', false);
    EXPECT_EQ(list.Line(3).delay, 1);
    EXPECT_EQ(list.Line(0).delay, 21) << "the first event got no delay before it";
}

TEST_F(MacroRecorderTest, AFullScriptStopsTheRecording)
{
    while (list.UsedBytes() < 125)
        list.Append(0x7F);
    EXPECT_TRUE(Key('A', false));
    EXPECT_EQ(full, 1);
    EXPECT_FALSE(recorder.Recording());
    EXPECT_TRUE(hooks.installed.empty());
    EXPECT_EQ(list.UsedBytes(), 125);
}

TEST_F(MacroRecorderTest, HooksThatCannotBeInstalledLeaveNone)
{
    recorder.Stop();
    EXPECT_TRUE(hooks.installed.empty());
    hooks.keyboardFails = true;
    EXPECT_FALSE(recorder.Start());
    EXPECT_TRUE(hooks.installed.empty());
    EXPECT_FALSE(recorder.Recording());
}

} // namespace
} // namespace vardex
