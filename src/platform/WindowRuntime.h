// The window runtime port: messages to window handles and timers by id on a window.
// Every timer-driven behaviour of the system goes through it, so tests can run it in
// virtual time.
#pragma once

#include "platform/Handles.h"

#include <cstdint>
#include <string>

namespace vardex {

class IWindowRuntime {
public:
    virtual ~IWindowRuntime() = default;

    virtual bool Post(WindowHandle window, std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) = 0;
    virtual std::intptr_t Send(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                               std::intptr_t lParam) = 0;
    // Starts (or restarts) timer id of window; it fires every intervalMs until stopped.
    virtual bool StartTimer(WindowHandle window, unsigned id, unsigned intervalMs) = 0;
    virtual bool StopTimer(WindowHandle window, unsigned id) = 0;
    // The class name of an existing window; empty when there is no such window.
    virtual std::wstring ClassName(WindowHandle window) = 0;
};

} // namespace vardex
