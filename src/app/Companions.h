// The program's companions: the filter driver's interception, the display and hook
// libraries, and the two system-wide mouse hooks, set up at start-up and taken down
// at shutdown; and the mouse's device description in the system's device registry.
#pragma once

#include "platform/FileSystem.h"
#include "platform/ModuleLoader.h"
#include "platform/Registry.h"
#include "platform/RegistrySubkeys.h"
#include "platform/Shell.h"
#include "platform/SieveControl.h"
#include "platform/SystemFolders.h"
#include "platform/Wow64.h"
#include "profile/SettingsKey.h"

#include <string>

namespace vardex {

namespace companions {
inline constexpr wchar_t kDisplayLibrary[] = L"Qv9Disp.dll";
inline constexpr wchar_t kHookLibrary[] = L"Qv9Tap.dll";
inline constexpr char kMouseProcExport[] = "_MouseProc@12";
inline constexpr char kLowLevelMouseProcExport[] = "_LLMouseProc@12";
inline constexpr char kLinkNextHookExport[] = "LinkNextHook";
inline constexpr int kFirstHookingCode = 6;
inline constexpr int kFirstWow64FolderCode = 7;
inline constexpr wchar_t kDeviceKey[] = L"SYSTEM\\CurrentControlSet\\Enum\\HID\\Vid_12cf&Pid_0182&MI_00";
inline constexpr wchar_t kDeviceDescription[] = L"Novaro Arena Vardex Mouse";
} // namespace companions

// `LinkNextHook` of the hook library.
using LinkNextHookRoutine = void (*)(HookHandle lowLevelHook, HookHandle mouseHook);

// The presence probe: request 0xE2. Returns the read's success; present is the answer.
int ProbeSieve(ISieveControl& control, bool& present);
// Command 0xF1 with on; returns the write's success.
int SendFilterCommand(ISieveControl& control, bool on);

struct SCompanionPorts {
    ISieveControl& control;
    IModuleLoader& modules;
    IHookInstaller& hooks;
    CSettingsKey& settings;
    IFileSystem& files;
    IShell& shell;
    ISystemFolders& folders;
    IWow64& wow64;
    IRegistry& registry;
    IRegistrySubkeys& subkeys;
};

class CCompanions {
public:
    CCompanions(const SCompanionPorts& ports, int versionCode) : m_Ports(ports), m_VersionCode(versionCode) {}

    void StartCompanions();
    void StopCompanions();
    int LoadCompanionLibraries();
    void UnloadCompanionLibraries();
    // Where a companion library is loaded from; empty when the Windows directory
    // cannot be read.
    std::wstring FindLibraryFile(const std::wstring& name);
    void FixDeviceDescription();

    bool HooksActive() const { return m_HooksActive; }
    bool MousePresent() const { return m_MousePresent; }
    ModuleHandle DisplayLibrary() const { return m_DisplayLibrary; }
    ModuleHandle HookLibrary() const { return m_HookLibrary; }
    HookHandle MouseHook() const { return m_MouseHook; }
    HookHandle LowLevelHook() const { return m_LowLevelHook; }

private:
    ModuleHandle LoadLibraryFile(const std::wstring& name);

    SCompanionPorts m_Ports;
    int m_VersionCode;
    ModuleHandle m_DisplayLibrary = 0;
    ModuleHandle m_HookLibrary = 0;
    HookHandle m_MouseHook = 0;
    HookHandle m_LowLevelHook = 0;
    LinkNextHookRoutine m_LinkNextHook = nullptr;
    bool m_HooksActive = false;
    bool m_MousePresent = false;
};

} // namespace vardex
