// Windows, messages and timers in virtual time: messages are recorded, and the next
// due timer is found and the clock moved to it on request.
#pragma once

#include "platform/WindowRuntime.h"
#include "platform/emu/VirtualClock.h"

#include <map>
#include <optional>
#include <utility>
#include <vector>

namespace vardex {

struct SWindowMessage {
    WindowHandle window;
    std::uint32_t message;
    std::uintptr_t wParam;
    std::intptr_t lParam;
    bool sent; // sent, or posted
    friend bool operator==(const SWindowMessage&, const SWindowMessage&) = default;
};

struct SDueTimer {
    WindowHandle window;
    unsigned id;
};

class CVirtualWindowRuntime final : public IWindowRuntime {
public:
    explicit CVirtualWindowRuntime(CVirtualClock& clock) : m_Clock(clock) {}

    bool Post(WindowHandle window, std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) override
    {
        messages.push_back({window, message, wParam, lParam, false});
        return true;
    }
    std::intptr_t Send(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                       std::intptr_t lParam) override
    {
        messages.push_back({window, message, wParam, lParam, true});
        return 0;
    }
    bool StartTimer(WindowHandle window, unsigned id, unsigned intervalMs) override
    {
        m_Timers[{window, id}] = {intervalMs, m_Clock.NowMs() + intervalMs};
        return true;
    }
    bool StopTimer(WindowHandle window, unsigned id) override { return m_Timers.erase({window, id}) == 1; }
    std::wstring ClassName(WindowHandle window) override
    {
        const auto it = windowClasses.find(window);
        return it == windowClasses.end() ? std::wstring() : it->second;
    }

    bool IsRunning(WindowHandle window, unsigned id) const { return m_Timers.count({window, id}) == 1; }
    bool AnyTimer() const { return !m_Timers.empty(); }

    // Moves the clock to the earliest due timer and returns it; it is due again one
    // interval later. Nothing when no timer runs.
    std::optional<SDueTimer> FireNext()
    {
        if (m_Timers.empty())
            return std::nullopt;
        auto next = m_Timers.begin();
        for (auto it = m_Timers.begin(); it != m_Timers.end(); ++it)
            if (it->second.dueMs < next->second.dueMs)
                next = it;
        if (next->second.dueMs > m_Clock.NowMs())
            m_Clock.Sleep(static_cast<std::uint32_t>(next->second.dueMs - m_Clock.NowMs()));
        next->second.dueMs += next->second.intervalMs;
        return SDueTimer{next->first.first, next->first.second};
    }

    std::vector<SWindowMessage> messages;
    std::map<WindowHandle, std::wstring> windowClasses; // the windows that exist

private:
    struct STimer {
        unsigned intervalMs;
        std::uint64_t dueMs;
    };

    CVirtualClock& m_Clock;
    std::map<std::pair<WindowHandle, unsigned>, STimer> m_Timers;
};

} // namespace vardex
