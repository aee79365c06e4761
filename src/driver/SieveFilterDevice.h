// SieveFilterDevice: the filter added to the stack of every mouse. For the maker's
// mouse (recognised from the hardware id at each start) every read passes down with a
// completion routine that lets the control device mark and record status reports;
// every other request, and every request of other mice, passes through.
#pragma once

#include "driver/SieveRequest.h"
#include "driver/TraceChannel.h"
#include "platform/SieveStack.h"

#include <atomic>
#include <cstddef>
#include <cstdint>

namespace vardex::sieve {

class SieveControlDevice;

inline constexpr std::uint32_t kMakersMouseId = 0x12CF0182;
inline constexpr std::size_t kHardwareIdCapacity = 512;
inline constexpr std::size_t kShortestHardwareId = 23;

// HID\VID_vvvv&PID_pppp...: vendor id shifted left 16 plus product id, from the
// UTF-16 hexadecimal digits at characters 8-11 and 17-20; 0 when the id is shorter
// than 23 bytes or those characters are not all hexadecimal digits.
std::uint32_t DeviceIdFromHardwareId(const std::uint8_t* id, std::size_t length);

enum class EPowerState { kUnspecified, kD0 };

class SieveFilterDevice {
public:
    static constexpr std::uint32_t kCreationFlags = kDoPowerPagable | kDoDirectIo;

    SieveFilterDevice(ISieveStack& stack, CTraceChannel& trace, int unit) : m_Stack(stack), m_Trace(trace), m_Unit(unit)
    {
    }
    SieveFilterDevice(const SieveFilterDevice&) = delete;
    SieveFilterDevice& operator=(const SieveFilterDevice&) = delete;

    // Attaches to the stack and takes over the lower device's attributes;
    // kNoSuchDevice when the attachment fails.
    NtStatus Attach();

    // Every request entering the device; the status to return from dispatch.
    NtStatus Dispatch(SRequest& request);
    // The completion routine of a read of the maker's mouse: mapped is the request's
    // buffer as the system maps it, null when it cannot. Returns the request's status.
    NtStatus ReadCompleted(SRequest& request, std::uint8_t* mapped);

    void SetControl(SieveControlDevice* control) { m_pControl = control; }
    void SetPowerState(EPowerState state) { m_PowerState = state; }

    int Unit() const { return m_Unit; }
    int OrlinDevice() const { return m_OrlinDevice; }
    bool Removed() const { return m_Removed.load(); }
    long Outstanding() const { return m_Outstanding.load(); }
    EPowerState PowerState() const { return m_PowerState; }
    const SDeviceAttributes& Attributes() const { return m_Attributes; }

private:
    bool Enter();
    void Leave();
    NtStatus Start(SRequest& request);
    NtStatus Remove(SRequest& request);
    NtStatus Read(SRequest& request);
    void WriteReadDump(const SRequest& request);

    ISieveStack& m_Stack;
    CTraceChannel& m_Trace;
    int m_Unit;
    SieveControlDevice* m_pControl = nullptr;
    int m_OrlinDevice = 0;
    SDeviceAttributes m_Attributes{kFileDeviceUnknown, 0, 0, kCreationFlags};
    EPowerState m_PowerState = EPowerState::kUnspecified;
    std::atomic<long> m_Outstanding{0};
    std::atomic<bool> m_Removed{false};
};

} // namespace vardex::sieve
