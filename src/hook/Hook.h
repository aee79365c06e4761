// CHook: the mouse hook library's one class. Its low-level hook turns a forward wheel
// notch into a status request to the filter's control device and, when a status was
// waiting, into notifications to the display and the main window, swallowing the
// notch; extra-button presses are reported to the display and passed on.
#pragma once

#include "app/WindowRegistry.h"
#include "platform/HookSystem.h"
#include "platform/Registry.h"
#include "platform/SieveControl.h"
#include "platform/WindowRuntime.h"
#include "profile/SettingsKey.h"

#include <cstdint>

namespace vardex {

namespace hook {
inline constexpr int kAction = 0; // HC_ACTION
inline constexpr std::uintptr_t kMouseWheel = 0x020A;
inline constexpr std::uintptr_t kXButtonDown = 0x020B;
inline constexpr std::uintptr_t kXButtonUp = 0x020C;
inline constexpr std::int32_t kXButton1Event = 3;
inline constexpr std::int32_t kXButton2Event = 4;
inline constexpr std::int16_t kWheelDelta = 120;
} // namespace hook

// The layout of MSLLHOOKSTRUCT, which lParam of a low-level mouse event points to.
struct SLowLevelMouse {
    std::int32_t x;
    std::int32_t y;
    std::uint32_t mouseData;
    std::uint32_t flags;
    std::uint32_t time;
    std::uintptr_t extraInfo;
};

// The code of the operating system the library runs on.
std::uint16_t OsVersionCode(const SOsVersion* version); // null: GetVersionExA failed

// The ports one process's CHook works through.
struct SHookPorts {
    IHookSystem& system;
    ISieveControl& control;
    IRegistry& registry;
    IWindowRuntime& windows;
};

class CHook {
public:
    explicit CHook(const SHookPorts& ports, void* hInstance = nullptr);
    CHook(const CHook& other) = default;
    // Member-wise, as exported; the ports are the process's own on both sides.
    CHook& operator=(const CHook& other);

    // Process attaches of the library in this process.
    static std::uint32_t m_HookCnt;

    std::intptr_t MouseProc(int code, std::uintptr_t wParam, std::intptr_t lParam);
    std::intptr_t LLMouseProc(int code, std::uintptr_t wParam, std::intptr_t lParam);
    void LinkNextHook(HookHandle lowLevelHook, HookHandle mouseHook);
    void UnLinkHook();

    // 1: a notification was sent and the notch is to be swallowed.
    int m_ProcessWheel(std::uint32_t mouseData);
    // 1: an extra button was reported.
    int m_ProcessXButton(std::uint32_t mouseData);
    // Post 0x9100 to the display window, 0x9101 to the main window; 1 when posted.
    int m_InformOSD(int wParam, std::int32_t lParam);
    int m_InformMainFrame(int wParam, std::int32_t lParam);

    void* Instance() const { return m_hInstance; }
    std::uint16_t OsVersion() const { return m_OsVersion; }

protected:
    std::uint16_t GetOsVersion();
    int IsWow64();
    // Request 0xE1; the byte is 0xFF when the read fails.
    int GetReport4Filter(std::uint8_t& byte);
    // Request 0xE3 into buffer (5 bytes); 1 only when a status was waiting.
    int GetStatus4Filter(std::uint8_t* buffer);

private:
    SHookPorts m_Ports;
    CSettingsKey m_Settings;
    CWindowRegistry m_Windows;
    void* m_hInstance;
    HookHandle m_hLLHook = 0;
    HookHandle m_hMouseHook = 0;
    std::uint16_t m_OsVersion = 0;
    bool m_HasIsWow64Process = false;
};

// The wheel delta of the last wheel event the low-level hook examined; it lives in the
// library's shared data section, one copy for every process.
extern std::int16_t s_LastWheelDelta;

// The status word from the driver's 5-byte status reply.
std::uint32_t StatusWordFromReply(const std::uint8_t* reply);

} // namespace vardex
