// The module loader port: a companion library loaded from a path, its exports found
// by their exact names, and system-wide hooks installed from it.
#pragma once

#include "platform/HookSystem.h"

#include <cstdint>
#include <string>

namespace vardex {

// A loaded module; 0 when the load failed.
using ModuleHandle = std::uintptr_t;
// An export's address, to be cast to the routine's own type.
using ExportAddress = void (*)();

class IModuleLoader {
public:
    virtual ~IModuleLoader() = default;
    virtual ModuleHandle Load(const std::wstring& path) = 0;
    // Null when the module has no export of exactly this name.
    virtual ExportAddress FindExport(ModuleHandle module, const char* name) = 0;
};

inline constexpr int kMouseHook = 7;           // WH_MOUSE
inline constexpr int kLowLevelMouseHook = 14;  // WH_MOUSE_LL

class IHookInstaller {
public:
    virtual ~IHookInstaller() = default;
    // SetWindowsHookEx for every thread; 0 when refused.
    virtual HookHandle Install(int type, ExportAddress procedure, ModuleHandle module) = 0;
    virtual void Remove(HookHandle hook) = 0;
};

} // namespace vardex
