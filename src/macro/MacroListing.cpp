#include "macro/MacroListing.h"

#include "macro/MacroNames.h"

#include <cstdint>

namespace vardex {

using namespace macro;

namespace {

int Word(std::uint8_t low, std::uint8_t high) { return low | (high << 8); }
int SignedWord(std::uint8_t low, std::uint8_t high) { return static_cast<std::int16_t>(Word(low, high)); }

std::wstring LineNumber(int targetLine) { return targetLine < 0 ? L"??" : std::to_wstring(targetLine + 1); }

std::wstring Point(int x, int y) { return L"(" + std::to_wstring(x) + L", " + std::to_wstring(y) + L")"; }

std::wstring ExtendedText(const MacroLine& line, int targetLine)
{
    const auto& o = line.operands;
    std::wstring text(ExtendedName(o[0]));
    switch (o[0]) {
    case kAbsoluteMove:
        return text + Point(SignedWord(o[1], o[2]), SignedWord(o[3], o[4]));
    case kIfLocks:
        return text + L"(" + LockButtonConditionsText(o[1], o[2]) + L")  GOTO " + LineNumber(targetLine);
    case kIfVariables:
        return text + L"(" + VariableConditionText(o[1], o[2]) + L")  GOTO " + LineNumber(targetLine);
    case kGoto:
    case kCall:
        return text + LineNumber(targetLine);
    case kAssign:
        return text + AssignmentText(o[1], o[2]);
    default:
        return text;
    }
}

} // namespace

std::wstring ListingText(const MacroLine& line, int targetLine)
{
    const auto& o = line.operands;
    std::wstring text(OpcodeName(line.opcode));
    switch (line.opcode) {
    case kLoopStart:
        text += std::to_wstring(o[0] + 1) + L" Times";
        break;
    case kConsumerKey:
        text += ConsumerText(Word(o[0], o[1]));
        break;
    case kMotion:
        text += Point(SignedWord(o[0], o[1]), SignedWord(o[2], o[3]));
        break;
    case kExtended:
        text = ExtendedText(line, targetLine);
        break;
    default:
        break;
    }
    if (text.size() > static_cast<std::size_t>(kMaxTextChars))
        text.resize(kMaxTextChars);
    return text;
}

std::wstring DelayText(int delay, int unitMs, const SMacroTexts& texts)
{
    const long long ms = static_cast<long long>(delay) * unitMs;
    if (ms <= 1000)
        return std::to_wstring(ms) + texts.msWord;
    const long long tenths = (ms + 50) / 100;
    return std::to_wstring(tenths / 10) + L"." + std::to_wstring(tenths % 10) + texts.secWord;
}

} // namespace vardex
