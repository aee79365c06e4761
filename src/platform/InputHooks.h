// The keyboard and mouse hooks of the program's own user-interface thread, which the
// macro recorder installs while it records, and the state of single keys.
#pragma once

#include <cstdint>

namespace vardex {

using HookHandle = std::uintptr_t; // 0 is no hook

class IInputHooks {
public:
    virtual ~IInputHooks() = default;
    // Installs a hook bound to the current user-interface thread; 0 on failure. The
    // platform then calls the recorder's procedures with every event.
    virtual HookHandle InstallKeyboardHook() = 0;
    virtual HookHandle InstallMouseHook() = 0;
    virtual void RemoveHook(HookHandle hook) = 0;
    // Whether the key of a virtual-key code (sided ones included, 0xA0 left Shift)
    // is down now.
    virtual bool IsKeyDown(int virtualKey) = 0;
};

} // namespace vardex
