#include "hook/Hook.h"

#include "driver/SieveControlDevice.h"

namespace vardex {

std::uint32_t CHook::m_HookCnt = 0;

namespace {
constexpr std::uint16_t kFirstWow64Code = 7;
} // namespace

std::uint16_t OsVersionCode(const SOsVersion* version)
{
    if (version == nullptr)
        return 7;
    if (version->platformId == kNtPlatform) {
        switch (version->major) {
        case 3:
            return 4;
        case 4:
            return 5;
        case 5:
            return version->minor == 0 ? 5 : 7;
        case 6:
            return 8;
        default:
            return 9;
        }
    }
    switch (version->build >> 16) {
    case 0x0400:
        return 0;
    case 0x040A:
        return 2;
    case 0x045A:
        return 3;
    default:
        return 7;
    }
}

std::uint32_t StatusWordFromReply(const std::uint8_t* reply)
{
    return (static_cast<std::uint32_t>(reply[4]) << 16) | (static_cast<std::uint32_t>(reply[3]) << 8) |
           ((reply[0] & 0x0Fu) << 4) | (reply[1] & 0x0Fu);
}

CHook::CHook(const SHookPorts& ports, void* hInstance)
    : m_Ports(ports), m_Settings(ports.registry), m_Windows(m_Settings, ports.windows), m_hInstance(hInstance)
{
    m_OsVersion = GetOsVersion();
    m_HasIsWow64Process = m_OsVersion >= kFirstWow64Code && m_Ports.system.HasIsWow64Process();
}

CHook& CHook::operator=(const CHook& other)
{
    m_hInstance = other.m_hInstance;
    m_hLLHook = other.m_hLLHook;
    m_hMouseHook = other.m_hMouseHook;
    m_OsVersion = other.m_OsVersion;
    m_HasIsWow64Process = other.m_HasIsWow64Process;
    return *this;
}

std::uint16_t CHook::GetOsVersion()
{
    SOsVersion version;
    return OsVersionCode(m_Ports.system.GetVersion(version) ? &version : nullptr);
}

int CHook::IsWow64()
{
    return m_HasIsWow64Process && m_Ports.system.IsWow64Process() ? 1 : 0;
}

std::intptr_t CHook::MouseProc(int code, std::uintptr_t wParam, std::intptr_t lParam)
{
    return m_Ports.system.CallNextHook(m_hMouseHook, code, wParam, lParam);
}

std::intptr_t CHook::LLMouseProc(int code, std::uintptr_t wParam, std::intptr_t lParam)
{
    if (code == hook::kAction) {
        const std::uint32_t mouseData = reinterpret_cast<const SLowLevelMouse*>(lParam)->mouseData;
        if (wParam == hook::kMouseWheel && m_ProcessWheel(mouseData) == 1)
            return 1;
        if (wParam == hook::kXButtonDown)
            m_ProcessXButton(mouseData);
    }
    return m_Ports.system.CallNextHook(m_hLLHook, code, wParam, lParam);
}

void CHook::LinkNextHook(HookHandle lowLevelHook, HookHandle mouseHook)
{
    m_hLLHook = lowLevelHook;
    m_hMouseHook = mouseHook;
}

void CHook::UnLinkHook()
{
    m_hLLHook = 0;
    m_hMouseHook = 0;
}

int CHook::m_ProcessWheel(std::uint32_t mouseData)
{
    s_LastWheelDelta = static_cast<std::int16_t>(mouseData >> 16);
    if (s_LastWheelDelta < 0)
        return 0; // backward notches are the user's own; the driver only makes forward ones
    std::uint8_t reply[8] = {};
    if (GetStatus4Filter(reply) == 0)
        return 0;
    if (reply[2] != 0) {
        m_InformMainFrame(static_cast<int>(wnd::kMainFrameLaunch), reply[2]);
        return 1;
    }
    const auto word = static_cast<std::int32_t>(StatusWordFromReply(reply));
    m_InformOSD(static_cast<int>(wnd::kDisplayStatus), word);
    m_InformMainFrame(static_cast<int>(wnd::kMainFrameStatus), word);
    return 1;
}

int CHook::m_ProcessXButton(std::uint32_t mouseData)
{
    if ((mouseData & 0x10000) != 0) {
        m_InformOSD(static_cast<int>(wnd::kDisplayExtraButton), hook::kXButton1Event);
        return 1;
    }
    if ((mouseData & 0x20000) != 0) {
        m_InformOSD(static_cast<int>(wnd::kDisplayExtraButton), hook::kXButton2Event);
        return 1;
    }
    return 0;
}

int CHook::m_InformOSD(int wParam, std::int32_t lParam)
{
    const WindowHandle window = m_Windows.Find(handles::kDisplay);
    if (window == 0)
        return 0;
    m_Ports.windows.Post(window, wnd::kDisplayMessage, static_cast<std::uintptr_t>(wParam), lParam);
    return 1;
}

int CHook::m_InformMainFrame(int wParam, std::int32_t lParam)
{
    const WindowHandle window = m_Windows.Find(handles::kProcess);
    if (window == 0)
        return 0;
    m_Ports.windows.Post(window, wnd::kMainFrameMessage, static_cast<std::uintptr_t>(wParam), lParam);
    return 1;
}

int CHook::GetReport4Filter(std::uint8_t& byte)
{
    const ISieveControl::Handle device = m_Ports.control.Open(false);
    if (device == 0)
        return 0;
    byte = sieve::kReqReport;
    std::uint32_t transferred = 0;
    const bool read = m_Ports.control.Read(device, &byte, 1, transferred);
    m_Ports.control.Close(device);
    if (!read)
        byte = 0xFF;
    return read ? 1 : 0;
}

int CHook::GetStatus4Filter(std::uint8_t* buffer)
{
    const ISieveControl::Handle device = m_Ports.control.Open(false);
    if (device == 0)
        return 0;
    buffer[0] = sieve::kReqStatus;
    std::uint32_t transferred = 0;
    const bool read = m_Ports.control.Read(device, buffer, sieve::kStatusReplyLength, transferred);
    m_Ports.control.Close(device);
    return read && buffer[0] != 0xFF ? 1 : 0;
}

} // namespace vardex
