#include "macro/MacroRecorder.h"

#include <array>

namespace vardex {

using namespace macro;

namespace {

constexpr int kShift = 0x10, kControl = 0x11, kAlt = 0x12;
constexpr int kLeftVirtualKey[3] = {0xA0, 0xA2, 0xA4}; // left Shift, Control, Alt
constexpr std::uint8_t kLeftCode[3] = {0x71, 0x70, 0x72};
constexpr std::uint8_t kRightCode[3] = {0x75, 0x74, 0x76};

constexpr std::array<std::uint8_t, 256> BuildKeyCodes()
{
    std::array<std::uint8_t, 256> t{};
    t[0x08] = 0x2A;
    t[0x09] = 0x2B;
    t[0x0D] = 0x28;
    t[0x13] = 0x48;
    t[0x14] = 0x39;
    t[0x1B] = 0x29;
    t[0x20] = 0x2C;
    t[0x21] = 0x4B;
    t[0x22] = 0x4E;
    t[0x23] = 0x4D;
    t[0x24] = 0x4A;
    t[0x25] = 0x50;
    t[0x26] = 0x52;
    t[0x27] = 0x4F;
    t[0x28] = 0x51;
    t[0x2C] = 0x46;
    t[0x2D] = 0x49;
    t[0x2E] = 0x4C;
    t[0x30] = 0x27;
    for (int k = 1; k <= 9; ++k)
        t[0x30 + k] = static_cast<std::uint8_t>(0x1E + k - 1);
    for (int k = 0; k < 26; ++k)
        t[0x41 + k] = static_cast<std::uint8_t>(0x04 + k);
    t[0x5B] = 0x73;
    t[0x5C] = 0x77;
    t[0x60] = 0x62;
    for (int k = 1; k <= 9; ++k)
        t[0x60 + k] = static_cast<std::uint8_t>(0x59 + k - 1);
    t[0x6A] = 0x55;
    t[0x6B] = 0x57;
    t[0x6D] = 0x56;
    t[0x6E] = 0x63;
    t[0x6F] = 0x54;
    for (int k = 0; k < 12; ++k)
        t[0x70 + k] = static_cast<std::uint8_t>(0x3A + k);
    t[0x90] = 0x53;
    t[0x91] = 0x47;
    t[0xBA] = 0x33;
    t[0xBB] = 0x2E;
    t[0xBC] = 0x36;
    t[0xBD] = 0x2D;
    t[0xBE] = 0x37;
    t[0xBF] = 0x38;
    t[0xC0] = 0x35;
    t[0xDB] = 0x2F;
    t[0xDC] = 0x31;
    t[0xDD] = 0x30;
    t[0xDE] = 0x34;
    return t;
}
constexpr std::array<std::uint8_t, 256> kKeyCodes = BuildKeyCodes();

bool IsReleaseData(std::uint32_t keyData) { return keyData & 0x80000000u; }

} // namespace

std::uint8_t CMacroRecorder::KeyCode(int virtualKey)
{
    return virtualKey >= 0 && virtualKey < 256 ? kKeyCodes[static_cast<std::size_t>(virtualKey)] : 0;
}

bool CMacroRecorder::Start()
{
    if (m_Recording)
        return true;
    m_MouseHook = m_Hooks.InstallMouseHook();
    m_KeyboardHook = m_Hooks.InstallKeyboardHook();
    if (!m_MouseHook || !m_KeyboardHook) {
        for (HookHandle* hook : {&m_MouseHook, &m_KeyboardHook})
            if (*hook)
                m_Hooks.RemoveHook(*hook);
        m_MouseHook = m_KeyboardHook = 0;
        return false;
    }
    m_HasPrevious = false;
    m_LastPressed = 0; // a key held from before is not a repeat of this recording
    m_Recording = true;
    return true;
}

void CMacroRecorder::Stop()
{
    if (!m_Recording)
        return;
    m_Hooks.RemoveHook(m_MouseHook);
    m_Hooks.RemoveHook(m_KeyboardHook);
    m_MouseHook = m_KeyboardHook = 0;
    m_Recording = false;
}

void CMacroRecorder::Full()
{
    m_Events.RecordingFull();
}

bool CMacroRecorder::RecordDelay()
{
    const int unit = m_List.DelayUnit();
    if (unit < kDelayUnitMs)
        return true;
    const SLocalTime t = m_Time.Now();
    const long long now =
        ((((static_cast<long long>(t.day) * 24 + t.hour) * 60 + t.minute) * 60 + t.second) * 1000) + t.milliseconds;
    if (!m_HasPrevious) {
        m_HasPrevious = true;
        m_PreviousMs = now;
        return true;
    }
    long long elapsed = now - m_PreviousMs;
    m_PreviousMs = now;
    if (elapsed < 0)
        return true;
    if (elapsed > kMaxElapsedMs)
        elapsed = kMaxElapsedMs;
    const int units = static_cast<int>(elapsed / unit / 2);
    if (units == 0)
        return true;
    return m_List.Append(kDelayStep, units) != kResultFull;
}

bool CMacroRecorder::Record(std::uint8_t opcode)
{
    const int line = m_List.Append(opcode);
    if (line == kResultFull)
        return false;
    for (int i = 0; i < m_List.Count(); ++i)
        if (m_List.IsSelected(i))
            m_List.Deselect(i);
    m_List.Select(line);
    return true;
}

std::uint8_t CMacroRecorder::ModifierCode(int virtualKey, bool release)
{
    const int pair = virtualKey - kShift; // 0 Shift, 1 Control, 2 Alt
    if (!release)
        m_Sides[pair] = m_Hooks.IsKeyDown(kLeftVirtualKey[pair]) ? ESide::kLeft : ESide::kRight;
    const ESide side = m_Sides[pair];
    if (release)
        m_Sides[pair] = ESide::kRight; // forgotten
    return side == ESide::kLeft ? kLeftCode[pair] : kRightCode[pair];
}

bool CMacroRecorder::OnKeyboard(int code, int virtualKey, std::uint32_t keyData)
{
    if (code != kActionCode)
        return false;
    if (virtualKey == kImeProcessKey)
        return true;
    const bool release = IsReleaseData(keyData);
    if (!release && virtualKey == m_LastPressed)
        return true; // an automatic repeat
    m_LastPressed = release ? 0 : virtualKey;

    const bool modifier = virtualKey >= kShift && virtualKey <= kAlt;
    const std::uint8_t key = modifier ? ModifierCode(virtualKey, release) : KeyCode(virtualKey);
    if (key == 0)
        return true; // a key the mouse cannot type: swallowed, not recorded
    if (!RecordDelay()) {
        Full();
        return true;
    }
    bool fits = true;
    if (!release) {
        fits = Record(key);
    } else {
        // A release needs its press in the script: one made before RECORD, or Print
        // Screen, whose press the system does not report, gets one here.
        if (key == kPrintScreen || !m_List.KeyHeld(key))
            fits = Record(key);
        fits = fits && Record(static_cast<std::uint8_t>(key + kReleaseBit));
    }
    if (!fits)
        Full();
    return true;
}

bool CMacroRecorder::OnMouse(int code, const SMouseEvent& event)
{
    if (code < 0)
        return false;
    std::uint32_t message = event.message;
    if (message == mouse::kLeftDown || message == mouse::kLeftUp) {
        if (event.window == m_StopButton)
            return false; // the STOP button still works
        if (event.editorClientY < kCaptionBand)
            message = message == mouse::kLeftDown ? mouse::kNcLeftDown : mouse::kNcLeftUp;
    }
    const int high = static_cast<std::int16_t>(event.mouseData >> 16);
    std::uint8_t opcode = 0;
    switch (message) {
    case mouse::kLeftDown:
        opcode = 0x78;
        break;
    case mouse::kLeftUp:
    case mouse::kNcLeftDown:
    case mouse::kNcLeftUp:
        opcode = 0xF8;
        break;
    case mouse::kRightDown:
    case mouse::kNcRightDown:
        opcode = 0x79;
        break;
    case mouse::kRightUp:
    case mouse::kNcRightUp:
        opcode = 0xF9;
        break;
    case mouse::kMiddleDown:
    case mouse::kNcMiddleDown:
        opcode = 0x7A;
        break;
    case mouse::kMiddleUp:
    case mouse::kNcMiddleUp:
        opcode = 0xFA;
        break;
    case mouse::kXDown:
    case mouse::kNcXDown:
        if (high != 1 && high != 2)
            return false;
        opcode = high == 1 ? 0x7B : 0x7C;
        break;
    case mouse::kXUp:
    case mouse::kNcXUp:
        if (high != 1 && high != 2)
            return false;
        opcode = high == 1 ? 0xFB : 0xFC;
        break;
    case mouse::kWheel:
        opcode = high < 0 ? kWheelToward : kWheelAway;
        break;
    default:
        return false;
    }
    if (!RecordDelay() || !Record(opcode))
        Full();
    return true;
}

} // namespace vardex
