// How the deliverables find each other's windows and what they tell them. Each window
// publishes its handle as a DWORD under HKEY_CURRENT_USER\Software\Vardex; a sender
// reads the value afresh for every message and posts only to a usable handle whose
// window is of the class the value names, so a stale value never reaches a window
// the system has since given to someone else.
#pragma once

#include "platform/WindowRuntime.h"
#include "profile/SettingsKey.h"

#include <cstdint>
#include <span>

namespace vardex {

namespace wnd {
// Messages between the deliverables.
inline constexpr std::uint32_t kDisplayMessage = 0x9100;   // to the display window
inline constexpr std::uint32_t kMainFrameMessage = 0x9101; // to the main window
inline constexpr std::uint32_t kCommand = 0x0111;          // WM_COMMAND
inline constexpr std::uint32_t kClose = 0x0010;            // WM_CLOSE
inline constexpr std::uintptr_t kRestoreCommand = 32774;

// wParam of the display message.
inline constexpr std::uintptr_t kDisplayStatus = 0;
inline constexpr std::uintptr_t kDisplayExtraButton = 1;
inline constexpr std::uintptr_t kDisplayProfile = 5;
inline constexpr std::uintptr_t kDisplayRelease = 6;
inline constexpr std::uintptr_t kDisplayEnable = 7;
// wParam of the main-window message.
inline constexpr std::uintptr_t kMainFrameStatus = 0;
inline constexpr std::uintptr_t kMainFrameLaunch = 2;

// Messages inside one deliverable.
inline constexpr std::uint32_t kProgressMessage = 0x1000;
inline constexpr std::uint32_t kSliderFirst = 0x28D1;
inline constexpr std::uint32_t kSliderLast = 0x28D3;
inline constexpr std::uint32_t kTrayMessage = 0x800A; // WM_APP + 10
inline constexpr std::uint32_t kDeviceChange = 0x0219;

// Window classes the handle values name.
inline constexpr wchar_t kDialogClass[] = L"#32770";
inline constexpr wchar_t kDisplayClass[] = L"Qv9DispWindow";
} // namespace wnd

struct SHandleValue {
    const wchar_t* name;
    const wchar_t* windowClass;
};

namespace handles {
inline constexpr SHandleValue kProcess = {L"Process Handle", wnd::kDialogClass};
inline constexpr SHandleValue kDisplay = {L"OSD Handle", wnd::kDisplayClass};
inline constexpr SHandleValue kSkinDialog = {L"DIAGLOG Handle", wnd::kDialogClass};
inline constexpr SHandleValue kConfigDialog = {L"CFG DIAGLOG Handle", wnd::kDialogClass};
inline constexpr SHandleValue kLedDialog = {L"LED DIAGLOG Handle", wnd::kDialogClass};
inline constexpr SHandleValue kMacroDialog = {L"MACRO DIAGLOG Handle", wnd::kDialogClass};
// The windows told to close when the program exits, in this order.
inline constexpr SHandleValue kClosedAtExit[] = {kDisplay, kConfigDialog, kLedDialog, kMacroDialog, kSkinDialog};
} // namespace handles

// A value names a window when it exists and is neither 0 nor 0xFFFFFFFF.
constexpr bool IsUsableHandle(std::uint32_t value) { return value != 0 && value != CSettingsKey::kNotSet; }

class CWindowRegistry {
public:
    CWindowRegistry(CSettingsKey& settings, IWindowRuntime& windows) : m_Settings(settings), m_Windows(windows) {}

    void Publish(const SHandleValue& value, WindowHandle window);
    // Dialogs delete their value; the display window sets it to 0 instead.
    void Withdraw(const SHandleValue& value);
    void Clear(const SHandleValue& value);

    // The window a value names, or 0 when it names none of its class.
    WindowHandle Find(const SHandleValue& value);
    // Posts to the window a value names; false when nothing was posted.
    bool PostTo(const SHandleValue& value, std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam);
    // WM_CLOSE to every published window of the program's exit list, in order.
    void CloseAllAtExit();

private:
    CSettingsKey& m_Settings;
    IWindowRuntime& m_Windows;
};

// The status word the hook library builds from the driver's status reply.
struct SStatusWord {
    static constexpr std::uint32_t Make(int level, int profile, bool profileChange, int yCode, int xCode)
    {
        return static_cast<std::uint32_t>((level & 0x0F) | ((profile & 0x07) << 4) | (profileChange ? 0x80 : 0) |
                                          ((yCode & 0xFF) << 8) | ((xCode & 0xFF) << 16));
    }
    static constexpr int Level(std::uint32_t w) { return w & 0x03; }
    static constexpr int Profile(std::uint32_t w) { return (w >> 4) & 0x07; }
    static constexpr bool IsProfileChange(std::uint32_t w) { return (w & 0x80) != 0; }
    static constexpr int YCode(std::uint32_t w) { return (w >> 8) & 0xFF; }
    static constexpr int XCode(std::uint32_t w) { return (w >> 16) & 0xFF; }
};

// The launch key byte: bit 7 set, bits 0-6 the launch slot 9 x profile + hardware slot.
struct SLaunchKey {
    static constexpr bool IsLaunchKey(unsigned byte) { return (byte & 0x80) != 0; }
    static constexpr int Slot(unsigned byte) { return static_cast<int>(byte & 0x7F); }
};

} // namespace vardex
