// The request model of the filter driver: the status values it returns, the major
// functions it sees, and one request as its handlers read and answer it. A thin WDM
// layer turns each IRP into an SRequest and the answer back; the logic itself uses
// no exceptions, no RTTI, no heap and no runtime library.
#pragma once

#include <cstdint>

namespace vardex::sieve {

using NtStatus = std::int32_t;

constexpr NtStatus Status(std::uint32_t value) { return static_cast<NtStatus>(value); }
constexpr bool Succeeded(NtStatus status) { return status >= 0; }

inline constexpr NtStatus kSuccess = 0;
inline constexpr NtStatus kPending = 0x103;
inline constexpr NtStatus kHandlesClosed = Status(0x8000000A);  // what a close of the control device answers
inline constexpr NtStatus kNotImplemented = Status(0xC0000002);
inline constexpr NtStatus kInvalidHandle = Status(0xC0000008);
inline constexpr NtStatus kInvalidParameter = Status(0xC000000D);
inline constexpr NtStatus kNoSuchDevice = Status(0xC000000E);
inline constexpr NtStatus kInvalidDeviceRequest = Status(0xC0000010);
inline constexpr NtStatus kBufferTooSmall = Status(0xC0000023);
inline constexpr NtStatus kObjectTypeMismatch = Status(0xC0000024);
inline constexpr NtStatus kDeletePending = Status(0xC0000056);
inline constexpr NtStatus kInsufficientResources = Status(0xC000009A);
inline constexpr NtStatus kDeviceNotConnected = Status(0xC000009D);
inline constexpr NtStatus kCancelled = Status(0xC0000120);

enum class EMajor : std::uint8_t {
    kCreate = 0x00,
    kClose = 0x02,
    kRead = 0x03,
    kWrite = 0x04,
    kFlushBuffers = 0x09,
    kDeviceControl = 0x0E,
    kInternalDeviceControl = 0x0F,
    kCleanup = 0x12,
    kPower = 0x16,
    kSystemControl = 0x17,
    kPnp = 0x1B,
    kQueryInformation = 0x05, // one the driver leaves to the system
};

// Minor functions of kPnp the filter acts on.
inline constexpr std::uint8_t kStartDevice = 0x00;
inline constexpr std::uint8_t kRemoveDevice = 0x02;

// Device object attributes the filter takes over from the device below it.
struct SDeviceAttributes {
    std::uint32_t deviceType = 0;
    std::uint32_t characteristics = 0;
    std::uint32_t alignment = 0;
    std::uint32_t flags = 0;
};

inline constexpr std::uint32_t kFileDeviceUnknown = 0x22;
inline constexpr std::uint32_t kDoBufferedIo = 0x0004;
inline constexpr std::uint32_t kDoDirectIo = 0x0010;
inline constexpr std::uint32_t kDoPowerPagable = 0x2000;
inline constexpr std::uint32_t kDoPowerInrush = 0x4000;
inline constexpr std::uint32_t kInheritedFlags = kDoBufferedIo | kDoDirectIo | kDoPowerPagable | kDoPowerInrush;

struct SRequest {
    EMajor major = EMajor::kCreate;
    std::uint8_t minor = 0;
    // Read and write: the caller's buffer and the requested length. Device control:
    // the system buffer and the input length.
    std::uint8_t* buffer = nullptr;
    std::uint32_t length = 0;
    std::uint32_t ioControlCode = 0;
    // The answer: completion status and the bytes reported (Information).
    NtStatus status = kSuccess;
    std::uint32_t information = 0;
};

} // namespace vardex::sieve
