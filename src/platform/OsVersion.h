// What the system reports of its own version, as its version query gives it.
#pragma once

#include <cstdint>

namespace vardex {

struct SOsVersion {
    std::uint32_t platformId = 0; // 1: the Windows 95 family, 2: the NT family
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
    std::uint32_t build = 0;      // the 95 family keeps its version in the high word
};

inline constexpr std::uint32_t kWin95Platform = 1;
inline constexpr std::uint32_t kNtPlatform = 2;

} // namespace vardex
