// Qv9SieveReg.dll: registers the mouse filter driver (Install) and takes it out
// again (Uninstall). Both results are Win32 codes: Install gives 3010 on success,
// Uninstall 128.
#include "install/FilterInstaller.h"
#include "install/FilterRegistration.h"
#include "platform/win32/Win32DeviceClassKey.h"
#include "platform/win32/Win32ServiceManager.h"
#include "platform/win32/Win32SystemFiles.h"

#include <windows.h>

namespace {

// The platform is read once, when the library is loaded.
const bool kPlatformRead = [] {
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    vardex::g_PlatformId = GetVersionExA(&version) ? static_cast<int>(version.dwPlatformId) : 0;
    return true;
}();

template <typename Export>
int WithRealPorts(Export run)
{
    vardex::CWin32DeviceClassKey classKey;
    vardex::CWin32SystemFiles files;
    vardex::CWin32ServiceManager services;
    return run(vardex::SRegistrationPorts{classKey, files, services});
}

} // namespace

extern "C" int Install() { return WithRealPorts(vardex::InstallFilter); }

extern "C" int Uninstall() { return WithRealPorts(vardex::UninstallFilter); }

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
