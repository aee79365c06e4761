// The WOW64 port over kernel32. The redirection controls and IsWow64Process are
// looked up at run time: older 32-bit systems do not have them.
#pragma once

#include "platform/Wow64.h"

namespace vardex {

class CWin32Wow64 final : public IWow64 {
public:
    bool ProcessIs64Bit() const override { return sizeof(void*) == 8; }
    bool ProcessIsWow64() override;
    bool HasRedirectionControl() override;
    bool DisableRedirection(std::uintptr_t& oldValue) override;
    bool RevertRedirection(std::uintptr_t oldValue) override;
};

} // namespace vardex
