// The clock port: every wait and every timestamp of the system goes through it, so
// tests can run whole retry sequences in virtual time.
#pragma once

#include <cstdint>

namespace vardex {

class IClock {
public:
    virtual ~IClock() = default;
    // Milliseconds since an arbitrary fixed point.
    virtual std::uint64_t NowMs() const = 0;
    // Blocks the calling thread for ms milliseconds (virtual clocks just advance).
    virtual void Sleep(std::uint32_t ms) = 0;
};

} // namespace vardex
