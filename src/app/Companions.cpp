#include "app/Companions.h"

#include "driver/SieveControlDevice.h"
#include "lang/Utf16.h"
#include "profile/ProgramFile.h"

namespace vardex {

int ProbeSieve(ISieveControl& control, bool& present)
{
    present = false;
    const ISieveControl::Handle device = control.Open(false);
    if (device == 0)
        return 0;
    std::uint8_t byte = sieve::kReqPresent;
    std::uint32_t transferred = 0;
    const bool read = control.Read(device, &byte, 1, transferred);
    present = read && byte == 1;
    control.Close(device);
    return read ? 1 : 0;
}

int SendFilterCommand(ISieveControl& control, bool on)
{
    const ISieveControl::Handle device = control.Open(true);
    if (device == 0)
        return 0;
    const std::uint8_t command[] = {sieve::kCmdFilter, static_cast<std::uint8_t>(on ? 1 : 0)};
    std::uint32_t transferred = 0;
    const bool written = control.Write(device, command, sizeof command, transferred);
    control.Close(device);
    return written ? 1 : 0;
}

void CCompanions::StartCompanions()
{
    m_HooksActive = false;
    // Only the read's success counts: the presence byte says whether the mouse is
    // there now, and it may still be plugged in later.
    if (ProbeSieve(m_Ports.control, m_MousePresent) == 0)
        return;
    if (SendFilterCommand(m_Ports.control, true) == 0)
        return;
    if (LoadCompanionLibraries() == 1)
        m_HooksActive = true;
}

void CCompanions::StopCompanions()
{
    if (!m_HooksActive)
        return;
    UnloadCompanionLibraries();
    SendFilterCommand(m_Ports.control, false);
    m_HooksActive = false;
}

ModuleHandle CCompanions::LoadLibraryFile(const std::wstring& name)
{
    const std::wstring path = FindLibraryFile(name);
    return path.empty() ? 0 : m_Ports.modules.Load(path);
}

int CCompanions::LoadCompanionLibraries()
{
    using namespace companions;
    if (m_VersionCode < kFirstHookingCode)
        return 0;
    m_DisplayLibrary = LoadLibraryFile(kDisplayLibrary); // creates the display window
    m_HookLibrary = LoadLibraryFile(kHookLibrary);
    if (m_HookLibrary == 0)
        return 0;
    if (const ExportAddress proc = m_Ports.modules.FindExport(m_HookLibrary, kMouseProcExport))
        m_MouseHook = m_Ports.hooks.Install(kMouseHook, proc, m_HookLibrary);
    if (const ExportAddress proc = m_Ports.modules.FindExport(m_HookLibrary, kLowLevelMouseProcExport))
        m_LowLevelHook = m_Ports.hooks.Install(kLowLevelMouseHook, proc, m_HookLibrary);
    m_LinkNextHook = reinterpret_cast<LinkNextHookRoutine>(m_Ports.modules.FindExport(m_HookLibrary, kLinkNextHookExport));
    if (m_LinkNextHook == nullptr || m_MouseHook == 0 || m_LowLevelHook == 0)
        return 0;
    m_LinkNextHook(m_LowLevelHook, m_MouseHook);
    return 1;
}

void CCompanions::UnloadCompanionLibraries()
{
    if (m_VersionCode < companions::kFirstHookingCode)
        return;
    m_Ports.hooks.Remove(m_LowLevelHook);
    m_Ports.hooks.Remove(m_MouseHook);
    m_LowLevelHook = 0;
    m_MouseHook = 0;
}

std::wstring CCompanions::FindLibraryFile(const std::wstring& name)
{
    std::wstring path;
    if (FindProgramFile(m_Ports.settings, m_Ports.files, m_Ports.shell, name, L"", path))
        return path;
    std::wstring windows;
    if (!m_Ports.folders.WindowsDirectory(windows))
        return L"";
    if (m_Ports.files.CanOpenForReading(windows + L"\\" + name))
        return windows + L"\\" + name;
    if (m_VersionCode >= companions::kFirstWow64FolderCode && m_Ports.wow64.ProcessIsWow64())
        return windows + L"\\SysWOW64\\" + name;
    std::wstring system;
    if (!m_Ports.folders.SystemDirectory(system))
        return L"";
    return system + L"\\" + name;
}

void CCompanions::FixDeviceDescription()
{
    using namespace companions;
    RegKey device = 0;
    if (m_Ports.registry.OpenKey(ERegRoot::kLocalMachine, kDeviceKey, device) != reg::kSuccess)
        return;
    m_Ports.registry.CloseKey(device);
    std::wstring subkey;
    for (unsigned index = 0; m_Ports.subkeys.Subkey(ERegRoot::kLocalMachine, kDeviceKey, index, subkey); ++index) {
        RegKey key = 0;
        if (m_Ports.registry.OpenKey(ERegRoot::kLocalMachine, std::wstring(kDeviceKey) + L"\\" + subkey, key) !=
            reg::kSuccess)
            continue;
        std::uint32_t type = 0;
        std::vector<std::uint8_t> data;
        if (m_Ports.registry.QueryValue(key, L"DeviceDesc", type, data, 1024) == reg::kSuccess) {
            std::wstring text = FromUtf16Bytes(data);
            while (!text.empty() && text.back() == L'\0')
                text.pop_back();
            if (text != kDeviceDescription) {
                const std::vector<std::uint8_t> bytes = ToUtf16Bytes(kDeviceDescription);
                m_Ports.registry.SetValue(key, L"DeviceDesc", reg::kString, bytes.data(), bytes.size());
            }
        }
        m_Ports.registry.CloseKey(key);
    }
}

} // namespace vardex
