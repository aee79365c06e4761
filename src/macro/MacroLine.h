// MacroLine: one instruction of a macro script as the editor keeps it, and the byte
// encoding of the mouse's script format. A script is at most 125 bytes; every line
// carries a delay count D (D - 1 units in delay steps after the instruction).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vardex {

namespace macro {
inline constexpr int kCapacity = 125;      // script bytes of a slot
inline constexpr int kMaxTarget = 124;     // jump targets the bookkeeping follows
inline constexpr int kDelayUnitMs = 25;
inline constexpr int kMaxTextChars = 255;
inline constexpr int kDelayStepLength = 2;
inline constexpr int kMaxStepUnits = 255;

inline constexpr int kResultFull = -3;     // the capacity would be exceeded
inline constexpr int kResultNoLine = -1;   // a delay step with no line to join

// Opcodes with operands or a meaning of their own.
inline constexpr std::uint8_t kAllKeysUp = 0x00;
inline constexpr std::uint8_t kDelayStep = 0x01;
inline constexpr std::uint8_t kLoopStart = 0x02;
inline constexpr std::uint8_t kConsumerKey = 0x03;
inline constexpr std::uint8_t kFirstKey = 0x04;
inline constexpr std::uint8_t kLastKey = 0x77;
inline constexpr std::uint8_t kLeftButton = 0x78;
inline constexpr std::uint8_t kWheelToward = 0x7E;
inline constexpr std::uint8_t kNop = 0x7F;
inline constexpr std::uint8_t kMotion = 0x80;
inline constexpr std::uint8_t kPause = 0x81;
inline constexpr std::uint8_t kLoopEnd = 0x82;
inline constexpr std::uint8_t kExtended = 0x83;
inline constexpr std::uint8_t kReleaseBit = 0x80;
inline constexpr std::uint8_t kWheelAway = 0xFE;
inline constexpr std::uint8_t kScriptStop = 0xFF;

// Subtypes of the extended instruction.
inline constexpr std::uint8_t kAbsoluteMove = 0;
inline constexpr std::uint8_t kIfLocks = 1;
inline constexpr std::uint8_t kGoto = 2;
inline constexpr std::uint8_t kIfVariables = 3;
inline constexpr std::uint8_t kAssign = 4;
inline constexpr std::uint8_t kCall = 5;
inline constexpr std::uint8_t kReturn = 6;
} // namespace macro

struct SInstructionKind {
    int length;    // bytes of the instruction itself
    int iconClass; // the icon the list shows for it; 0 for none
};

// Length and icon class of an opcode, an extended one by its subtype. Unknown
// subtypes measure 2 bytes (the decoder skips them) and have no icon.
SInstructionKind InstructionKind(std::uint8_t opcode, std::uint8_t subtype = 0);

struct MacroLine {
    std::uint8_t opcode = macro::kNop;
    // Extended: the subtype, then its four operand bytes. Others: the operand bytes
    // in script order. Unused bytes are 0.
    std::array<std::uint8_t, 5> operands{};
    int delay = 1;  // D, in delay units
    int length = 1; // the instruction plus 2 bytes per delay step after it
    std::wstring text;

    std::uint8_t Subtype() const { return opcode == macro::kExtended ? operands[0] : 0; }
    SInstructionKind Kind() const { return InstructionKind(opcode, Subtype()); }
    // IF, GOTO, CALL and loop end carry a 16-bit jump target.
    bool IsJump() const { return TargetIndex() >= 0; }
    int Target() const;
    void SetTarget(int target);

    friend bool operator==(const MacroLine&, const MacroLine&) = default;

private:
    // Where the low byte of the target sits in operands, or -1.
    int TargetIndex() const;
};

// A line from operand words, as the command list's append takes them: loop start
// (count 1 to 256), consumer key (usage), motion (X, Y), loop end (target), other
// opcodes none. D = 1, the length of its kind, no text yet.
MacroLine MakeLine(std::uint8_t opcode, int word1 = 0, int word2 = 0);
// Absolute move (X, Y), IF on locks (conditions + 256 x buttons, target), GOTO and
// CALL (target), IF on variables (condition + 256 x value, target), assignment
// (operation, value), return (none).
MacroLine MakeExtendedLine(std::uint8_t subtype, int word1 = 0, int word2 = 0);

// Delay-step bytes D needs in the shortest form: one step per 255 units.
int DelayStepBytes(int delay);

// The script bytes of a line: the instruction, then its delay steps. A line decoded
// from a script may carry more steps than the shortest form; they are kept, the
// units filling them in order, so that every later instruction stays at its offset.
// No bytes when the recorded length cannot hold the line's delay.
std::vector<std::uint8_t> EncodeLine(const MacroLine& line);

} // namespace vardex
