#include "macro/MacroLine.h"

namespace vardex {

using namespace macro;

namespace {

std::uint8_t Low(int word) { return static_cast<std::uint8_t>(word & 0xFF); }
std::uint8_t High(int word) { return static_cast<std::uint8_t>((word >> 8) & 0xFF); }

} // namespace

SInstructionKind InstructionKind(std::uint8_t opcode, std::uint8_t subtype)
{
    switch (opcode) {
    case kAllKeysUp:
    case kNop:
    case kPause:
    case kScriptStop:
        return {1, 13};
    case kDelayStep:
        return {2, 7};
    case kLoopStart:
        return {3, 13};
    case kLoopEnd:
        return {3, 13};
    case kConsumerKey:
        return {3, 8};
    case kMotion:
        return {5, 9};
    case kWheelToward:
        return {1, 5};
    case kWheelAway:
        return {1, 6};
    case kExtended:
        switch (subtype) {
        case kAbsoluteMove:
            return {6, 9};
        case kIfLocks:
        case kIfVariables:
            return {6, 10};
        case kGoto:
            return {4, 11};
        case kAssign:
            return {4, 12};
        case kCall:
            return {4, 14};
        case kReturn:
            return {2, 15};
        default:
            return {2, 0};
        }
    default:
        break;
    }
    if (opcode <= kLastKey)
        return {1, 1};
    if (opcode < kWheelToward)
        return {1, 3};
    if (opcode <= kLastKey + kReleaseBit)
        return {1, 2};
    return {1, 4}; // mouse button releases 0xF8 to 0xFD
}

int MacroLine::TargetIndex() const
{
    if (opcode == kLoopEnd)
        return 0;
    if (opcode != kExtended)
        return -1;
    switch (operands[0]) {
    case kIfLocks:
    case kIfVariables:
        return 3;
    case kGoto:
    case kCall:
        return 1;
    default:
        return -1;
    }
}

int MacroLine::Target() const
{
    const int i = TargetIndex();
    return i < 0 ? -1 : operands[i] | (operands[i + 1] << 8);
}

void MacroLine::SetTarget(int target)
{
    const int i = TargetIndex();
    if (i < 0)
        return;
    operands[i] = Low(target);
    operands[i + 1] = High(target);
}

MacroLine MakeLine(std::uint8_t opcode, int word1, int word2)
{
    MacroLine line;
    line.opcode = opcode;
    switch (opcode) {
    case kLoopStart:
        line.operands = {static_cast<std::uint8_t>((word1 - 1) & 0xFF), 0, 0, 0, 0};
        break;
    case kConsumerKey:
    case kLoopEnd:
        line.operands = {Low(word1), High(word1), 0, 0, 0};
        break;
    case kMotion:
        line.operands = {Low(word1), High(word1), Low(word2), High(word2), 0};
        break;
    default:
        break;
    }
    line.length = line.Kind().length;
    return line;
}

MacroLine MakeExtendedLine(std::uint8_t subtype, int word1, int word2)
{
    MacroLine line;
    line.opcode = kExtended;
    switch (subtype) {
    case kAbsoluteMove:
    case kIfLocks:
    case kIfVariables:
        line.operands = {subtype, Low(word1), High(word1), Low(word2), High(word2)};
        break;
    case kGoto:
    case kCall:
        line.operands = {subtype, Low(word1), High(word1), 0, 0};
        break;
    case kAssign:
        line.operands = {subtype, Low(word1), Low(word2), 0, 0};
        break;
    default:
        line.operands = {subtype, 0, 0, 0, 0};
        break;
    }
    line.length = line.Kind().length;
    return line;
}

int DelayStepBytes(int delay)
{
    return delay <= 1 ? 0 : kDelayStepLength * ((delay - 1 + kMaxStepUnits - 1) / kMaxStepUnits);
}

std::vector<std::uint8_t> EncodeLine(const MacroLine& line)
{
    const int instruction = line.Kind().length;
    const int stepBytes = line.length - instruction;
    if (line.delay < 1 || stepBytes < DelayStepBytes(line.delay) || stepBytes % kDelayStepLength != 0)
        return {};
    std::vector<std::uint8_t> bytes;
    bytes.reserve(static_cast<std::size_t>(line.length));
    bytes.push_back(line.opcode);
    // An extended instruction's subtype is its first operand byte.
    for (int i = 0; i < instruction - 1 && i < static_cast<int>(line.operands.size()); ++i)
        bytes.push_back(line.operands[i]);
    int units = line.delay - 1;
    for (int step = 0; step < stepBytes / kDelayStepLength; ++step) {
        const int n = units > kMaxStepUnits ? kMaxStepUnits : units;
        bytes.push_back(kDelayStep);
        bytes.push_back(static_cast<std::uint8_t>(n));
        units -= n;
    }
    return bytes;
}

} // namespace vardex
