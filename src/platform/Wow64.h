// The WOW64 port: what a program needs to know and do to reach the native system
// directory when it runs as a 32-bit process on a 64-bit system.
#pragma once

#include <cstdint>

namespace vardex {

class IWow64 {
public:
    virtual ~IWow64() = default;

    // True for a 64-bit build: it sees the system directories as they are.
    virtual bool ProcessIs64Bit() const = 0;
    // True when the process is a 32-bit one on a 64-bit system.
    virtual bool ProcessIsWow64() = 0;

    // Both redirection controls are offered by the system.
    virtual bool HasRedirectionControl() = 0;
    // Turns the process's file-system redirection off; oldValue is what Revert needs.
    virtual bool DisableRedirection(std::uintptr_t& oldValue) = 0;
    virtual bool RevertRedirection(std::uintptr_t oldValue) = 0;
};

} // namespace vardex
