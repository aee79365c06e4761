#include "macro/MacroListing.h"

#include "macro/MacroNames.h"

#include <gtest/gtest.h>

namespace vardex {
namespace {

using namespace macro;

MacroLine Key(int opcode) { return MakeLine(static_cast<std::uint8_t>(opcode)); }

TEST(MacroListingTest, ListingTexts)
{
    struct SCase {
        MacroLine line;
        int targetLine;
        std::wstring text;
    };
    const SCase cases[] = {
        {Key(0x04), -1, L"'A'"},
        {Key(0x84), -1, L"'A'"},
        {Key(0x28), -1, L"'Return/Enter'"},
        {Key(0x31), -1, L"'\\'"},
        {Key(0x34), -1, L"'''"},
        {Key(0x35), -1, L"Tilde"},
        {Key(0x53), -1, L"'NumLock'"},
        {Key(0x64), -1, L"'|'"},
        {Key(0x67), -1, L"Keypad-'='"},
        {Key(0x68), -1, L"F13'"},
        {Key(0xEF), -1, L"F20'"},
        {Key(0x70), -1, L"'Left-Ctrl'"},
        {Key(0xF7), -1, L"'Right-Win'"},
        {Key(0x78), -1, L"L-Button"},
        {Key(0xF9), -1, L"R-Button"},
        {Key(0x7D), -1, L"L&R Buttons"},
        {Key(0x7E), -1, L"Scroll"},
        {Key(0xFE), -1, L"Scroll"},
        {Key(0x00), -1, L"<All-Keys-Up>"},
        {Key(0x7F), -1, L"NOP"},
        {Key(0x81), -1, L"<Pause>"},
        {MakeLine(kLoopEnd, 0), 0, L"<Loop> End"},
        {Key(0xFF), -1, L"Script Stop"},
        {MakeLine(kLoopStart, 3), -1, L"<Loop>: 3 Times"},
        {MakeLine(kLoopStart, 256), -1, L"<Loop>: 256 Times"},
        {MakeLine(kConsumerKey, 0x00E9), -1, L"Volume Up"},
        {MakeLine(kConsumerKey, 0x0223), -1, L"Web Browser"},
        {MakeLine(kConsumerKey, 0x0224), -1, L"Code=548"},
        {MakeLine(kMotion, -1, 300), -1, L"(-1, 300)"},
        {MakeExtendedLine(kAbsoluteMove, 100, -20), -1, L"Absoluted Move: (100, -20)"},
        {MakeExtendedLine(kGoto, 9), 2, L"GOTO 3"},
        {MakeExtendedLine(kGoto, 9), -1, L"GOTO ??"},
        {MakeExtendedLine(kCall, 0), 0, L"CALL 1"},
        {MakeExtendedLine(kReturn), -1, L"Return"},
        {MakeExtendedLine(kIfVariables, 2 + 256 * 5, 12), 6, L"IF (A == 5)  GOTO 7"},
        {MakeExtendedLine(kIfVariables, 24, 12), 0, L"IF (B <= C)  GOTO 1"},
        {MakeExtendedLine(kIfVariables, 36, 12), 0, L"IF ()  GOTO 1"},
        {MakeExtendedLine(kIfLocks, 0x81 + 256 * 0x01, 3), 1,
         L"IF (('NumLock' lock) AND (L-BUTTON press))  GOTO 2"},
        {MakeExtendedLine(kIfLocks, 0x46 + 256 * 0x98, 3), -1,
         L"IF (('CapsLock' unlock) OR ('ScrollLock' unlock) OR (IE BACK release) OR (IE FORWARD release) OR "
         L"(Button-8 release))  GOTO ??"},
        {MakeExtendedLine(kIfLocks, 0x38, 3), 1, L"IF ()  GOTO 2"},
        {MakeExtendedLine(kAssign, 24, 7), -1, L"SET C = A +7"},
        {MakeExtendedLine(kAssign, 25, 0), -1, L"SET C = B +0"},
        {MakeExtendedLine(kAssign, 12, 7), -1, L"SET A = A + 7"},
        {MakeExtendedLine(kAssign, 27, 9), -1, L"SET A = 9 - A"},
        {MakeExtendedLine(kAssign, 53, 255), -1, L"SET C = 255 - C"},
        {MakeExtendedLine(kAssign, 62, 1), -1, L"SET C = C - B"},
        {MakeExtendedLine(kAssign, 63, 1), -1, L"SET "},
    };
    for (const SCase& c : cases)
        EXPECT_EQ(ListingText(c.line, c.targetLine), c.text) << "opcode " << int(c.line.opcode);
}

TEST(MacroListingTest, EveryOpcodeNameFitsAndKeysShareNamesWithReleases)
{
    for (int op = 0; op < 256; ++op)
        EXPECT_LE(OpcodeName(op).size(), 35u) << op;
    for (int code = 0x04; code <= 0x7E; ++code) {
        EXPECT_FALSE(OpcodeName(code).empty()) << code;
        EXPECT_EQ(OpcodeName(code), OpcodeName(code + 0x80)) << code;
    }
    for (int op : {0x01, 0x03, 0x80, 0x83})
        EXPECT_TRUE(OpcodeName(op).empty()) << op;
}

TEST(MacroListingTest, VariableExpressionsOfEveryRow)
{
    // A sample of each shape; the whole table is in the listing source.
    EXPECT_EQ(VariableConditionText(0, 9), L"A == B");
    EXPECT_EQ(VariableConditionText(25, 9), L"B <= 9");
    EXPECT_EQ(VariableConditionText(35, 0), L"C != 0");
    EXPECT_EQ(VariableConditionText(-1, 0), L"");
    EXPECT_EQ(AssignmentText(0, 4), L"A = 4");
    EXPECT_EQ(AssignmentText(41, 4), L"B = 4 - C");
    EXPECT_EQ(AssignmentText(44, 4), L"B = C - 4");
    EXPECT_EQ(AssignmentText(61, 4), L"C = B - C");
    int withValue = 0;
    for (int i = 0; i < 63; ++i)
        withValue += AssignmentText(i, 77).find(L"77") != std::wstring::npos;
    EXPECT_EQ(withValue, 30);
}

TEST(MacroListingTest, DelayTexts)
{
    SMacroTexts texts;
    struct SCase {
        int delay;
        std::wstring text;
    };
    const SCase cases[] = {
        {1, L"25ms"}, {40, L"1000ms"}, {41, L"1.0sec"}, {78, L"2.0sec"}, {79, L"2.0sec"},
        {200, L"5.0sec"}, {21, L"525ms"}, {62, L"1.6sec"},
    };
    for (const SCase& c : cases)
        EXPECT_EQ(DelayText(c.delay, 25, texts), c.text) << c.delay;
    texts.msWord = L" Millisekunden";
    texts.secWord = L"s";
    EXPECT_EQ(DelayText(2, 25, texts), L"50 Millisekunden");
    EXPECT_EQ(DelayText(41, 25, texts), L"1.0s");
}

} // namespace
} // namespace vardex
