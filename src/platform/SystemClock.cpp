#include "platform/SystemClock.h"

#include <chrono>
#include <thread>

namespace vardex {

std::uint64_t CSystemClock::NowMs() const
{
    using namespace std::chrono;
    return static_cast<std::uint64_t>(
        duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

void CSystemClock::Sleep(std::uint32_t ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

} // namespace vardex
