#include "driver/SieveFilterDevice.h"

#include "driver/SieveControlDevice.h"

namespace vardex::sieve {

namespace {

// -1 when c is no hexadecimal digit.
int HexDigit(std::uint16_t c)
{
    if (c >= '0' && c <= '9')
        return c - 0x30;
    if (c >= 'a' && c <= 'f')
        return c - 0x57;
    if (c >= 'A' && c <= 'F')
        return c - 0x37;
    return -1;
}

// Four digits from character position first on; -1 when one is not a digit.
long HexField(const std::uint8_t* id, std::size_t first)
{
    long value = 0;
    for (std::size_t i = first; i < first + 4; ++i) {
        const int digit = HexDigit(static_cast<std::uint16_t>(id[2 * i] | (id[2 * i + 1] << 8)));
        if (digit < 0)
            return -1;
        value = value * 16 + digit;
    }
    return value;
}

constexpr std::size_t kVendorPosition = 8;
constexpr std::size_t kProductPosition = 17;
constexpr std::size_t kDumpLineBytes = 8;

} // namespace

std::uint32_t DeviceIdFromHardwareId(const std::uint8_t* id, std::size_t length)
{
    // Characters past the returned length are never read: a short id has no product.
    if (length < kShortestHardwareId || length < 2 * (kProductPosition + 4))
        return 0;
    const long vendor = HexField(id, kVendorPosition);
    const long product = HexField(id, kProductPosition);
    if (vendor < 0 || product < 0)
        return 0;
    return (static_cast<std::uint32_t>(vendor) << 16) | static_cast<std::uint32_t>(product);
}

NtStatus SieveFilterDevice::Attach()
{
    SDeviceAttributes lower;
    if (!m_Stack.Attach(lower))
        return kNoSuchDevice;
    m_Attributes.deviceType = lower.deviceType;
    m_Attributes.characteristics = lower.characteristics;
    m_Attributes.alignment = lower.alignment;
    m_Attributes.flags |= lower.flags & kInheritedFlags;
    return kSuccess;
}

bool SieveFilterDevice::Enter()
{
    m_Outstanding.fetch_add(1);
    if (!m_Removed.load())
        return true;
    Leave();
    return false;
}

void SieveFilterDevice::Leave()
{
    m_Outstanding.fetch_sub(1);
    if (m_Removed.load())
        m_Stack.OutstandingFell();
}

NtStatus SieveFilterDevice::Dispatch(SRequest& request)
{
    if (!Enter()) {
        request.status = kDeletePending;
        request.information = 0;
        m_Stack.Complete(request);
        return kDeletePending;
    }
    NtStatus status = kSuccess;
    if (request.major == EMajor::kRead)
        return Read(request);
    if (request.major == EMajor::kPnp && request.minor == kStartDevice)
        return Start(request);
    if (request.major == EMajor::kPnp && request.minor == kRemoveDevice)
        return Remove(request);
    if (request.major == EMajor::kPower)
        status = m_Stack.PassDownPower(request);
    else
        status = m_Stack.PassDown(request);
    Leave();
    return status;
}

NtStatus SieveFilterDevice::Read(SRequest& request)
{
    if (m_OrlinDevice > 0) {
        NtStatus lowerStatus = kSuccess;
        if (m_Stack.PassDownWithCompletion(request, lowerStatus))
            return lowerStatus; // the completion routine leaves
        request.status = kInsufficientResources;
        request.information = 0;
        m_Stack.Complete(request);
        Leave();
        return kInsufficientResources;
    }
    WriteReadDump(request);
    const NtStatus status = m_Stack.PassDown(request);
    Leave();
    return status;
}

NtStatus SieveFilterDevice::ReadCompleted(SRequest& request, std::uint8_t* mapped)
{
    // A failed read carries no report, only what the buffer held before.
    if (m_pControl != nullptr && Succeeded(request.status))
        m_pControl->FilterReport(mapped, request.length);
    Leave();
    return request.status;
}

NtStatus SieveFilterDevice::Start(SRequest& request)
{
    std::uint8_t id[kHardwareIdCapacity] = {};
    const std::size_t length = m_Stack.QueryHardwareId(id, sizeof id);
    const bool makers = DeviceIdFromHardwareId(id, length) == kMakersMouseId;
    m_OrlinDevice = makers ? 1 : 0;
    if (m_pControl != nullptr)
        m_pControl->SetPresent(makers);
    const NtStatus status = m_Stack.PassDown(request);
    Leave();
    return status;
}

NtStatus SieveFilterDevice::Remove(SRequest& request)
{
    m_Removed.store(true); // later requests are answered with kDeletePending
    m_Stack.WaitForOutstanding(1);
    const NtStatus status = m_Stack.PassDown(request);
    m_Stack.Detach();
    Leave();
    m_Stack.WaitForOutstanding(0);
    m_Stack.DeleteDevice();
    return status;
}

void SieveFilterDevice::WriteReadDump(const SRequest& request)
{
    static constexpr char kRule[] =
        "---------------------------------------------------------------------------------------------"
        "----------------------------------------------------------------------------------------------\n";
    static_assert(sizeof kRule == 187 + 2);
    m_Trace.Write(kRule);
    m_Trace.Write("Unknown Device: ");
    for (std::uint32_t i = 0; request.buffer != nullptr && i < request.length; ++i) {
        if (i == kDumpLineBytes)
            m_Trace.Write("\n\t\t\t");
        m_Trace.WriteHex(request.buffer[i]);
        m_Trace.Write(", ");
    }
    m_Trace.Write("\n");
}

} // namespace vardex::sieve
