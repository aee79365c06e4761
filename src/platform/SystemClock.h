// The real clock: steady time and real sleeps, from the standard library alone.
#pragma once

#include "platform/Clock.h"

namespace vardex {

class CSystemClock final : public IClock {
public:
    std::uint64_t NowMs() const override;
    void Sleep(std::uint32_t ms) override;
};

} // namespace vardex
