// Vardex: the configuration program. With VARDEX_EMULATION set, the emulated mice it
// names stand behind the HID port instead of the system's devices.
#include "MainFrameWindow.h"

#include "app/QV9App.h"
#include "platform/SystemClock.h"
#include "platform/emu/EmulatedHidSystem.h"
#include "platform/emu/Emulation.h"
#include "platform/win32/Win32HidSystem.h"
#include "platform/win32/Win32InstanceLock.h"
#include "platform/win32/Win32MessageBox.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32SystemSettings.h"
#include "platform/win32/Win32WindowRuntime.h"

#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <memory>

namespace vardex {
namespace {

class CAppHost final : public IAppHost {
public:
    void RunMainFrame(CMainFrameDlg& dialog) override { MainFrameWindow(dialog).Run(); }
    void BringToForeground(WindowHandle window) override { SetForegroundWindow(reinterpret_cast<HWND>(window)); }
};

// The command line after the program's name.
std::wstring Arguments()
{
    const wchar_t* line = GetCommandLineW();
    bool quoted = false;
    for (; *line && (quoted || (*line != L' ' && *line != L'\t')); ++line)
        if (*line == L'"')
            quoted = !quoted;
    while (*line == L' ' || *line == L'\t')
        ++line;
    return line;
}

std::unique_ptr<IHidSystem> HidSystem(IClock& clock, IMessageBox& box)
{
    const char* emulation = std::getenv(kEmulationVariable);
    if (!emulation || !*emulation)
        return std::make_unique<CWin32HidSystem>();
    std::vector<SEmulatedMouseConfig> mice;
    std::string error;
    if (!ParseEmulation(emulation, mice, error)) {
        box.Show(0, std::wstring(error.begin(), error.end()), L"Vardex", box::kOk | box::kIconError);
        return nullptr;
    }
    auto hid = std::make_unique<CEmulatedHidSystem>(clock);
    for (const SEmulatedMouseConfig& mouse : mice)
        hid->AddMouse(mouse);
    return hid;
}

int Run()
{
    INITCOMMONCONTROLSEX controls{sizeof controls, 0xFF};
    InitCommonControlsEx(&controls);
    CSystemClock clock;
    CWin32MessageBox box;
    const std::unique_ptr<IHidSystem> hid = HidSystem(clock, box);
    if (!hid)
        return 64;
    CWin32WindowRuntime windows;
    CWin32Registry registry;
    CSettingsKey settings(registry);
    CWin32SystemSettings system;
    CWin32InstanceLock lock;
    CAppHost host;
    CQV9App app({*hid, clock, windows, settings, system, lock, box}, host);
    app.InitInstance(Arguments());
    return 0;
}

} // namespace
} // namespace vardex

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return vardex::Run();
}
