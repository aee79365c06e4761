#include "macro/MacroNames.h"

#include <array>

namespace vardex {

namespace {

// Key codes 0x04 to 0x77; a release (code + 0x80) carries the same name.
constexpr std::array<std::wstring_view, 0x78 - 0x04> kKeyNames = {
    L"'A'", L"'B'", L"'C'", L"'D'", L"'E'", L"'F'", L"'G'", L"'H'", L"'I'", L"'J'", L"'K'", L"'L'", L"'M'",
    L"'N'", L"'O'", L"'P'", L"'Q'", L"'R'", L"'S'", L"'T'", L"'U'", L"'V'", L"'W'", L"'X'", L"'Y'", L"'Z'",
    L"'1'", L"'2'", L"'3'", L"'4'", L"'5'", L"'6'", L"'7'", L"'8'", L"'9'", L"'0'",
    L"'Return/Enter'", L"'Escape'", L"'BackSpace'", L"'Tab'", L"'Spacebar'", L"'-'", L"'='", L"'['", L"']'",
    L"'\\'", L"'~'", L"';'", L"'''", L"Tilde", L"','", L"'.'", L"'/'", L"'CapsLock'",
    L"'F1'", L"'F2'", L"'F3'", L"'F4'", L"'F5'", L"'F6'", L"'F7'", L"'F8'", L"'F9'", L"'F10'", L"'F11'", L"'F12'",
    L"'PrintScreen'", L"'ScrollLock'", L"'Pause'", L"'Insert'", L"'Home'", L"'PageUp'", L"'Delete'", L"'End'",
    L"'PageDown'", L"'RightArrow'", L"'LeftArrow'", L"'DownArrow'", L"'UpArrow'", L"'NumLock'",
    L"Keypad-'/'", L"Keypad-'*'", L"Keypad-'-'", L"Keypad-'+'", L"Keypad-'Enter'", L"Keypad-'1'", L"Keypad-'2'",
    L"Keypad-'3'", L"Keypad-'4'", L"Keypad-'5'", L"Keypad-'6'", L"Keypad-'7'", L"Keypad-'8'", L"Keypad-'9'",
    L"Keypad-'0'", L"Keypad-'.'", L"'|'", L"'Application'", L"'Power'", L"Keypad-'='",
    L"F13'", L"F14'", L"F15'", L"F16'", L"F17'", L"F18'", L"F19'", L"F20'",
    L"'Left-Ctrl'", L"'Left-Shift'", L"'Left-Alt'", L"'Left-Win'", L"'Right-Ctrl'", L"'Right-Shift'",
    L"'Right-Alt'", L"'Right-Win'",
};

// Mouse buttons and the wheel, 0x78 to 0x7E; releases and the other wheel
// direction (0xF8 to 0xFE) carry the same names.
constexpr std::array<std::wstring_view, 7> kMouseNames = {
    L"L-Button", L"R-Button", L"M-Button", L"Button-4", L"Button-5", L"L&R Buttons", L"Scroll",
};

constexpr std::array<std::wstring_view, 7> kExtendedNames = {
    L"Absoluted Move: ", L"IF ", L"GOTO ", L"IF ", L"SET ", L"CALL ", L"Return",
};

struct SConsumerName {
    int usage;
    std::wstring_view text;
};
constexpr SConsumerName kConsumerNames[] = {
    {0x00B5, L"Next Track"}, {0x00B6, L"Prev Track"},  {0x00B7, L"Stop"},         {0x00CD, L"Play/Pause"},
    {0x00E2, L"Mute"},       {0x00E9, L"Volume Up"},   {0x00EA, L"Volume Down"},  {0x0183, L"Media Player"},
    {0x018A, L"E-Mail"},     {0x0192, L"Calculator"},  {0x0194, L"My Computer"},  {0x0223, L"Web Browser"},
};

// An expression is its text before the value, whether the value follows, and the
// text after it: "A = " N " - B" is {"A = ", true, " - B"}.
struct SExpression {
    std::wstring_view before;
    bool hasValue;
    std::wstring_view after;
};

std::wstring Expand(const SExpression& e, int value)
{
    std::wstring text(e.before);
    if (e.hasValue)
        text += std::to_wstring(value);
    text += e.after;
    return text;
}

constexpr SExpression kConditions[36] = {
    {L"A == B", false, L""}, {L"A == C", false, L""}, {L"A == ", true, L""},  {L"B == C", false, L""},
    {L"B == ", true, L""},   {L"C == ", true, L""},   {L"A > B", false, L""}, {L"A > C", false, L""},
    {L"A > ", true, L""},    {L"A >= B", false, L""}, {L"A >= C", false, L""}, {L"A >= ", true, L""},
    {L"A < B", false, L""},  {L"A < C", false, L""},  {L"A < ", true, L""},   {L"A <= B", false, L""},
    {L"A <= C", false, L""}, {L"A <= ", true, L""},   {L"B > C", false, L""}, {L"B > ", true, L""},
    {L"B >= C", false, L""}, {L"B >= ", true, L""},   {L"B < C", false, L""}, {L"B < ", true, L""},
    {L"B <= C", false, L""}, {L"B <= ", true, L""},   {L"C > ", true, L""},   {L"C >= ", true, L""},
    {L"C < ", true, L""},    {L"C <= ", true, L""},   {L"A != B", false, L""}, {L"A != C", false, L""},
    {L"A != ", true, L""},   {L"B != C", false, L""}, {L"B != ", true, L""},  {L"C != ", true, L""},
};

constexpr SExpression kAssignments[63] = {
    {L"A = ", true, L""},        {L"B = ", true, L""},        {L"C = ", true, L""},
    {L"A = B", false, L""},      {L"A = C", false, L""},      {L"B = A", false, L""},
    {L"B = C", false, L""},      {L"C = A", false, L""},      {L"C = B", false, L""},
    {L"A = A + B", false, L""},  {L"A = A + C", false, L""},  {L"A = B + C", false, L""},
    {L"A = A + ", true, L""},    {L"A = B + ", true, L""},    {L"A = C + ", true, L""},
    {L"B = A + B", false, L""},  {L"B = A + C", false, L""},  {L"B = B + C", false, L""},
    {L"B = A + ", true, L""},    {L"B = B + ", true, L""},    {L"B = C + ", true, L""},
    {L"C = A + B", false, L""},  {L"C = A + C", false, L""},  {L"C = B + C", false, L""},
    {L"C = A +", true, L""},     {L"C = B +", true, L""},     {L"C = C + ", true, L""},
    {L"A = ", true, L" - A"},    {L"A = ", true, L" - B"},    {L"A = ", true, L" - C"},
    {L"A = A - ", true, L""},    {L"A = B - ", true, L""},    {L"A = C - ", true, L""},
    {L"A = A - B", false, L""},  {L"A = B - A", false, L""},  {L"A = A - C", false, L""},
    {L"A = C - A", false, L""},  {L"A = B - C", false, L""},  {L"A = C - B", false, L""},
    {L"B = ", true, L" - A"},    {L"B = ", true, L" - B"},    {L"B = ", true, L" - C"},
    {L"B = A - ", true, L""},    {L"B = B - ", true, L""},    {L"B = C - ", true, L""},
    {L"B = A - B", false, L""},  {L"B = B - A", false, L""},  {L"B = A - C", false, L""},
    {L"B = C - A", false, L""},  {L"B = B - C", false, L""},  {L"B = C - B", false, L""},
    {L"C = ", true, L" - A"},    {L"C = ", true, L" - B"},    {L"C = ", true, L" - C"},
    {L"C = A - ", true, L""},    {L"C = B - ", true, L""},    {L"C = C - ", true, L""},
    {L"C = A - B", false, L""},  {L"C = B - A", false, L""},  {L"C = A - C", false, L""},
    {L"C = C - A", false, L""},  {L"C = B - C", false, L""},  {L"C = C - B", false, L""},
};

constexpr std::wstring_view kLockNames[3] = {L"'NumLock'", L"'CapsLock'", L"'ScrollLock'"};
constexpr std::wstring_view kButtonNames[8] = {
    L"L-BUTTON", L"R-BUTTON", L"M-BUTTON", L"IE BACK", L"IE FORWARD", L"Button-6", L"Button-7", L"Button-8",
};

} // namespace

std::wstring_view OpcodeName(int opcode)
{
    opcode &= 0xFF;
    switch (opcode) {
    case 0x00:
        return L"<All-Keys-Up>";
    case 0x02:
        return L"<Loop>: ";
    case 0x7F:
        return L"NOP";
    case 0x81:
        return L"<Pause>";
    case 0x82:
        return L"<Loop> End";
    case 0xFF:
        return L"Script Stop";
    default:
        break;
    }
    const int code = opcode & 0x7F; // a release names the same key or button
    if (opcode == 0x80 || opcode == 0x83 || code < 0x04)
        return L"";
    if (code < 0x78)
        return kKeyNames[code - 0x04];
    return kMouseNames[code - 0x78];
}

std::wstring_view ExtendedName(int subtype)
{
    return subtype >= 0 && subtype < static_cast<int>(kExtendedNames.size()) ? kExtendedNames[subtype] : L"";
}

std::wstring ConsumerText(int usage)
{
    for (const SConsumerName& name : kConsumerNames)
        if (name.usage == usage)
            return std::wstring(name.text);
    return L"Code=" + std::to_wstring(usage);
}

std::wstring VariableConditionText(int index, int value)
{
    return index >= 0 && index < 36 ? Expand(kConditions[index], value) : L"";
}

std::wstring AssignmentText(int index, int value)
{
    return index >= 0 && index < 63 ? Expand(kAssignments[index], value) : L"";
}

std::wstring LockButtonConditionsText(int conditionFlags, int buttonFlags)
{
    const bool offState = conditionFlags & 0x40;
    const std::wstring_view joiner = conditionFlags & 0x80 ? L" AND " : L" OR ";
    std::wstring text;
    auto add = [&](std::wstring_view name, std::wstring_view state) {
        if (!text.empty())
            text += joiner;
        text += L"(";
        text += name;
        text += state;
        text += L")";
    };
    for (int bit = 0; bit < 3; ++bit)
        if (conditionFlags & (1 << bit))
            add(kLockNames[bit], offState ? L" unlock" : L" lock");
    for (int bit = 0; bit < 8; ++bit)
        if (buttonFlags & (1 << bit))
            add(kButtonNames[bit], offState ? L" release" : L" press");
    return text;
}

} // namespace vardex
