// A hook system that records every event passed on to the next hook and reports a
// chosen version.
#pragma once

#include "platform/HookSystem.h"

#include <optional>
#include <vector>

namespace vardex {

struct SPassedEvent {
    HookHandle hook;
    int code;
    std::uintptr_t wParam;
    std::intptr_t lParam;
    friend bool operator==(const SPassedEvent&, const SPassedEvent&) = default;
};

class CRecordingHookSystem final : public IHookSystem {
public:
    static constexpr std::intptr_t kNextHookResult = 0x4E;

    std::intptr_t CallNextHook(HookHandle hook, int code, std::uintptr_t wParam, std::intptr_t lParam) override
    {
        passed.push_back({hook, code, wParam, lParam});
        return kNextHookResult;
    }
    bool GetVersion(SOsVersion& result) override
    {
        if (!version)
            return false;
        result = *version;
        return true;
    }
    bool HasIsWow64Process() override { return hasIsWow64Process; }
    bool IsWow64Process() override { return wow64; }

    std::vector<SPassedEvent> passed;
    std::optional<SOsVersion> version = SOsVersion{2, 6, 1, 7601}; // Windows 7
    bool hasIsWow64Process = true;
    bool wow64 = true;
};

} // namespace vardex
