// A clock whose time moves only when somebody sleeps on it: a 20-attempt retry
// sequence costs no real time, and its virtual duration can be asserted.
#pragma once

#include "platform/Clock.h"

namespace vardex {

class CVirtualClock final : public IClock {
public:
    std::uint64_t NowMs() const override { return m_NowMs; }
    void Sleep(std::uint32_t ms) override { m_NowMs += ms; }

private:
    std::uint64_t m_NowMs = 0;
};

} // namespace vardex
