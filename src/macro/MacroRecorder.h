// CMacroRecorder: turns the keys and mouse buttons the user presses in the program's
// own windows into macro lines, each preceded by the time since the previous event.
// It records through thread-bound hooks that exist only while it records; the hook
// procedures swallow what they record, so the editor's controls do not react.
#pragma once

#include "macro/SkinLVCmdList.h"
#include "platform/Handles.h"
#include "platform/InputHooks.h"
#include "platform/LocalTime.h"

#include <cstdint>

namespace vardex {

// Mouse messages with the system's values.
namespace mouse {
inline constexpr std::uint32_t kNcLeftDown = 0x00A1, kNcLeftUp = 0x00A2;
inline constexpr std::uint32_t kNcRightDown = 0x00A4, kNcRightUp = 0x00A5;
inline constexpr std::uint32_t kNcMiddleDown = 0x00A7, kNcMiddleUp = 0x00A8;
inline constexpr std::uint32_t kNcXDown = 0x00AB, kNcXUp = 0x00AC;
inline constexpr std::uint32_t kMove = 0x0200;
inline constexpr std::uint32_t kLeftDown = 0x0201, kLeftUp = 0x0202;
inline constexpr std::uint32_t kRightDown = 0x0204, kRightUp = 0x0205;
inline constexpr std::uint32_t kMiddleDown = 0x0207, kMiddleUp = 0x0208;
inline constexpr std::uint32_t kWheel = 0x020A;
inline constexpr std::uint32_t kXDown = 0x020B, kXUp = 0x020C;
} // namespace mouse

// A mouse event as the hook sees it, with where it hit: the window under the point,
// and the point's height in the editor's client area.
struct SMouseEvent {
    std::uint32_t message = 0;
    std::uint32_t mouseData = 0; // high word: the X button, or the wheel delta
    WindowHandle window = 0;
    int editorClientY = 100;
};

// What the editor hears from the recorder.
class IRecorderEvents {
public:
    virtual ~IRecorderEvents() = default;
    // The script is full: recording must stop and "Buffer Full!" be shown.
    virtual void RecordingFull() = 0;
};

class CMacroRecorder {
public:
    static constexpr int kActionCode = 0;
    static constexpr int kImeProcessKey = 229;
    static constexpr int kCaptionBand = 40;        // the editor's caption, in pixels
    static constexpr int kMaxElapsedMs = 10000;
    static constexpr std::uint8_t kPrintScreen = 0x46;

    CMacroRecorder(CSkinLVCmdList& list, IInputHooks& hooks, ILocalTime& time, IRecorderEvents& events)
        : m_List(list), m_Hooks(hooks), m_Time(time), m_Events(events)
    {
    }

    // Installs both hooks; false (with no hook left) when either fails.
    bool Start();
    void Stop();
    bool Recording() const { return m_Recording; }
    void SetStopButton(WindowHandle button) { m_StopButton = button; }

    // The hook procedures: true when the event is swallowed.
    bool OnKeyboard(int code, int virtualKey, std::uint32_t keyData);
    bool OnMouse(int code, const SMouseEvent& event);

    // The key code of a virtual key (Shift, Control and Alt excepted); 0 for none.
    static std::uint8_t KeyCode(int virtualKey);

private:
    enum class ESide { kLeft, kRight };
    // Shift, Control and Alt: the code of the side that went down, or 0.
    std::uint8_t ModifierCode(int virtualKey, bool release);
    // Adds the time since the previous event to the last line; false when full.
    bool RecordDelay();
    // Appends a line and makes it the selected line; false when full.
    bool Record(std::uint8_t opcode);
    void Full();

    CSkinLVCmdList& m_List;
    IInputHooks& m_Hooks;
    ILocalTime& m_Time;
    IRecorderEvents& m_Events;
    bool m_Recording = false;
    HookHandle m_KeyboardHook = 0;
    HookHandle m_MouseHook = 0;
    WindowHandle m_StopButton = 0;
    int m_LastPressed = 0;
    bool m_HasPrevious = false;
    long long m_PreviousMs = 0;
    ESide m_Sides[3] = {ESide::kRight, ESide::kRight, ESide::kRight}; // Shift, Control, Alt
};

} // namespace vardex
