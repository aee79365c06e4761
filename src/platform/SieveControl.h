// The filter driver's control device as a user-mode client sees it: opened by name
// for one request and closed right after; ReadFile and WriteFile carry the request
// byte and the answer.
#pragma once

#include <cstdint>

namespace vardex {

inline constexpr char kSieveControlPath[] = "\\\\.\\NovaroQV9Device";

class ISieveControl {
public:
    using Handle = std::uintptr_t; // 0: the open failed

    virtual ~ISieveControl() = default;

    // Opens for reading, and for writing too when write is set; share mode 0.
    virtual Handle Open(bool write) = 0;
    virtual bool Read(Handle device, std::uint8_t* buffer, std::uint32_t length, std::uint32_t& transferred) = 0;
    virtual bool Write(Handle device, const std::uint8_t* buffer, std::uint32_t length,
                       std::uint32_t& transferred) = 0;
    virtual void Close(Handle device) = 0;
};

} // namespace vardex
