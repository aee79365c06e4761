// The window runtime port over the system's messages and window timers. A timer
// started here arrives as WM_TIMER at its window, whose shell hands it to the
// window's class.
#pragma once

#include "platform/WindowRuntime.h"

namespace vardex {

class CWin32WindowRuntime final : public IWindowRuntime {
public:
    bool Post(WindowHandle window, std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override;
    std::intptr_t Send(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                       std::intptr_t lParam) override;
    bool StartTimer(WindowHandle window, unsigned id, unsigned intervalMs) override;
    bool StopTimer(WindowHandle window, unsigned id) override;
    std::wstring ClassName(WindowHandle window) override;
};

} // namespace vardex
