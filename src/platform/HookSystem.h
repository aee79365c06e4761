// The hook system port: what the mouse hook library needs of the system besides the
// registry, the windows and the filter's control device.
#pragma once

#include "platform/OsVersion.h"

#include <cstdint>

namespace vardex {

// A hook as the system knows it (HHOOK); 0 is none.
using HookHandle = std::uintptr_t;

class IHookSystem {
public:
    virtual ~IHookSystem() = default;

    // CallNextHookEx.
    virtual std::intptr_t CallNextHook(HookHandle hook, int code, std::uintptr_t wParam, std::intptr_t lParam) = 0;
    // GetVersionExA; false when it fails.
    virtual bool GetVersion(SOsVersion& version) = 0;
    // Whether kernel32 exports IsWow64Process.
    virtual bool HasIsWow64Process() = 0;
    // IsWow64Process of the current process.
    virtual bool IsWow64Process() = 0;
};

} // namespace vardex
