#include "profile/ButtonFunctions.h"

#include "profile/MemoryMap.h"

namespace vardex {

namespace {

bool Valid(int p, int u) { return p >= 0 && p < mem::kProfileCount && u >= 0 && u < mem::kButtonSlots; }

struct SStoredButton {
    int type;
    int p[4];
};

SStoredButton Stored(const CIcKX22& shadow, int p, int s)
{
    SStoredButton b{shadow.Shadow(mem::ButtonType(p, s)).value, {}};
    for (int k = 0; k < 4; ++k)
        b.p[k] = shadow.Shadow(mem::ButtonParam(p, s, k)).value;
    return b;
}

bool HoldsLeftClick(const CIcKX22& shadow, int p, int s)
{
    const SStoredButton b = Stored(shadow, p, s);
    return b.type == fn::kMouseButton && b.p[0] == fn::kLeftButtonMask;
}

} // namespace

CFunctionTable::CFunctionTable()
    : m_Entries{{
          {L" MACRO KEY", fn::kMacro, {0, 0, 0, 0}},
          {L" CLICK", fn::kMouseButton, {1, 0, 0, 0}},
          {L" BUTTON OFF", fn::kButtonOff, {0, 0, 0, 0}},
          {L" RIGHT BUTTON", fn::kMouseButton, {2, 0, 0, 0}},
          {L" DOUBLE CLICK", fn::kDoubleClick, {1, 2, 6, 2}},
          {L" BACKWARD", fn::kMouseButton, {8, 0, 0, 0}},
          {L" FORWARD", fn::kMouseButton, {16, 0, 0, 0}},
          {L" SCROLL BUTTON", fn::kMouseButton, {4, 0, 0, 0}},
          {L" LAUNCH", fn::kLaunch, {0, 0, 0, 0}},
          {L" SENSITIVITY UP", fn::kSensitivityUp, {0, 0, 0, 0}},
          {L" SENSITIVITY DOWN", fn::kSensitivityDown, {0, 0, 0, 0}},
          {L" CUT", fn::kKeyboardShortcut, {1, 27, 0, 0}},
          {L" PASTE", fn::kKeyboardShortcut, {1, 25, 0, 0}},
          {L" UNDO", fn::kKeyboardShortcut, {1, 29, 0, 0}},
          {L" ALL", fn::kKeyboardShortcut, {1, 4, 0, 0}},
          {L" FIND", fn::kKeyboardShortcut, {1, 9, 0, 0}},
          {L" NEW", fn::kKeyboardShortcut, {1, 17, 0, 0}},
          {L" PRINT", fn::kKeyboardShortcut, {1, 19, 0, 0}},
          {L" SAVE", fn::kKeyboardShortcut, {1, 22, 0, 0}},
      }}
{
}

void CFunctionTable::SetName(int index, const std::wstring& name)
{
    m_Entries[index].name = name.substr(0, kNameChars);
}

int MatchFunction(const CIcKX22& shadow, const CFunctionTable& table, int p, int u)
{
    if (!Valid(p, u))
        return -1;
    const SStoredButton b = Stored(shadow, p, fn::kSlotOfPageButton[u]);
    for (int f = 0; f < CFunctionTable::kCount; ++f) {
        const SButtonFunction& entry = table[f];
        if (entry.type != b.type)
            continue;
        switch (b.type) {
        case fn::kMouseButton:
            if (entry.p[0] == b.p[0])
                return f;
            break;
        case fn::kKeyboardShortcut:
        case fn::kDoubleClick:
            if (entry.p[0] == b.p[0] && entry.p[1] == b.p[1] && entry.p[2] == b.p[2] && entry.p[3] == b.p[3])
                return f;
            break;
        case fn::kMacro:
        case fn::kSensitivityUp:
        case fn::kSensitivityDown:
        case fn::kLaunch:
        case fn::kButtonOff:
            return f;
        }
    }
    return -1;
}

int AssignFunction(CIcKX22& shadow, const CFunctionTable& table, int p, int u, int f)
{
    if (!Valid(p, u) || f < 0 || f >= CFunctionTable::kCount)
        return 0;
    const int s = fn::kSlotOfPageButton[u];
    if (f != fn::kClick && HoldsLeftClick(shadow, p, s)) {
        bool another = false;
        for (int other = 0; other < mem::kButtonSlots; ++other)
            another = another || (other != s && HoldsLeftClick(shadow, p, other));
        if (!another)
            return 0;
    }
    const SButtonFunction& entry = table[f];
    shadow.MarkByte(mem::ButtonType(p, s), entry.type, 0);
    for (int k = 0; k < 4; ++k)
        shadow.MarkByte(mem::ButtonParam(p, s, k), entry.p[k], 0);
    return 1;
}

std::wstring LaunchValueName(int number)
{
    const int p = number / mem::kButtonSlots;
    const int s = number % mem::kButtonSlots;
    return L"PF" + std::to_wstring(p) + L"T" + std::to_wstring(s + 1) + L" AP";
}

int LaunchProgram(CSettingsKey& settings, IFileSystem& files, IShell& shell, unsigned launchKeyByte)
{
    const int number = static_cast<int>(launchKeyByte & 0x7F);
    if (number >= fn::kLaunchSlots)
        return 0;
    std::wstring program;
    if (!settings.GetString(LaunchValueName(number), program) || program.empty())
        return 0;
    if (!files.CanOpenForReading(program))
        return 0;
    return shell.StartProcess(program) ? 1 : 0;
}

} // namespace vardex
