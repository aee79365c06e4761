#include "app/QV9App.h"

#include "app/StartUp.h"

namespace vardex {

bool CQV9App::InitInstance(const std::wstring& arguments)
{
    const bool automation = HasAutomationSwitch(arguments);
    CMainFrameDlg dialog(m_Ports);
    if (automation)
        dialog.StartHidden();
    if (!dialog.AlreadyRunning()) {
        m_Host.RunMainFrame(dialog);
        return false;
    }
    // Only a window of the dialog class is woken, never whatever a stale value names.
    CWindowRegistry registry(m_Ports.settings, m_Ports.windows);
    if (const WindowHandle first = registry.Find(handles::kProcess)) {
        m_Ports.windows.Post(first, wnd::kCommand, wnd::kRestoreCommand, 0);
        m_Host.BringToForeground(first);
    } else {
        // No skinned dialog exists before the main window: the system box shows it.
        dialog.ShowMessage(msg::kTooManyInstances);
    }
    return false;
}

} // namespace vardex
