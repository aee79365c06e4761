#include "app/WindowRegistry.h"

namespace vardex {

void CWindowRegistry::Publish(const SHandleValue& value, WindowHandle window)
{
    m_Settings.SetDword(value.name, static_cast<std::uint32_t>(window));
}

void CWindowRegistry::Withdraw(const SHandleValue& value)
{
    m_Settings.DeleteValue(value.name);
}

void CWindowRegistry::Clear(const SHandleValue& value)
{
    m_Settings.SetDword(value.name, 0);
}

WindowHandle CWindowRegistry::Find(const SHandleValue& value)
{
    const std::uint32_t stored = m_Settings.GetDword(value.name);
    if (!IsUsableHandle(stored))
        return 0;
    const WindowHandle window = stored;
    return m_Windows.ClassName(window) == value.windowClass ? window : 0;
}

bool CWindowRegistry::PostTo(const SHandleValue& value, std::uint32_t message, std::uintptr_t wParam,
                             std::intptr_t lParam)
{
    const WindowHandle window = Find(value);
    return window != 0 && m_Windows.Post(window, message, wParam, lParam);
}

void CWindowRegistry::CloseAllAtExit()
{
    for (const SHandleValue& value : handles::kClosedAtExit)
        PostTo(value, wnd::kClose, 0, 0);
}

} // namespace vardex
