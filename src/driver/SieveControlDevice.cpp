#include "driver/SieveControlDevice.h"

namespace vardex::sieve {

SieveControlDevice::~SieveControlDevice()
{
    if (m_pEvent != nullptr)
        m_Objects.Dereference(m_pEvent);
}

void SieveControlDevice::Dispatch(SRequest& request)
{
    request.information = 0;
    switch (request.major) {
    case EMajor::kCreate:
    case EMajor::kFlushBuffers:
    case EMajor::kCleanup:
        request.status = kSuccess;
        return;
    case EMajor::kClose:
        request.status = kHandlesClosed;
        return;
    case EMajor::kRead:
        Read(request);
        return;
    case EMajor::kWrite:
        Write(request);
        return;
    case EMajor::kDeviceControl:
        DeviceControl(request);
        return;
    case EMajor::kInternalDeviceControl:
    case EMajor::kPower:
    case EMajor::kSystemControl:
    case EMajor::kPnp:
        request.status = kNotImplemented;
        return;
    default:
        request.status = kInvalidDeviceRequest;
        return;
    }
}

void SieveControlDevice::Read(SRequest& request)
{
    request.status = kSuccess;
    if (request.buffer == nullptr || request.length == 0)
        return; // no request byte: nothing to answer
    std::uint8_t* reply = request.buffer;
    CSpinLockGuard guard(m_Lock);
    switch (reply[0]) {
    case kReqReport:
        reply[0] = m_Record.m_ReportByte;
        m_Record.m_ReportByte = kReportByte;
        request.information = 1;
        return;
    case kReqPresent:
        reply[0] = m_Record.m_Present;
        request.information = 1;
        return;
    case kReqStatus:
        // A short buffer gets nothing, and the status stays pending for a proper read.
        if (request.length < kStatusReplyLength) {
            request.status = kBufferTooSmall;
            return;
        }
        if (m_Record.m_Pending == 1) {
            reply[0] = m_Record.m_StatusHi;
            reply[1] = m_Record.m_StatusLo;
            reply[2] = m_Record.m_PendingKey;
            reply[3] = m_Record.m_Value1;
            reply[4] = m_Record.m_Value2;
            m_Record.m_Pending = 0;
        } else {
            reply[0] = 0xFF;
            reply[1] = 0xFF;
            reply[2] = 0x00;
            reply[3] = 0xFF;
            reply[4] = 0xFF;
        }
        request.information = kStatusReplyLength;
        return;
    default:
        return;
    }
}

void SieveControlDevice::Write(SRequest& request)
{
    request.status = kSuccess;
    if (request.buffer == nullptr || request.length == 0 || request.buffer[0] != kCmdFilter)
        return;
    if (request.length < kFilterCommandLength) {
        request.status = kBufferTooSmall;
        return;
    }
    CSpinLockGuard guard(m_Lock);
    m_Record.m_Enabled = request.buffer[1] != 0 ? 1 : 0;
    m_Record.m_Pending = 0;
    request.information = 1;
}

void SieveControlDevice::DeviceControl(SRequest& request)
{
    request.status = kSuccess;
    if (request.ioControlCode != kIoctlSetEvent)
        return;
    if (request.buffer == nullptr || request.length < kEventHandleLength) {
        request.status = kInvalidParameter;
        return;
    }
    std::uint64_t handle = 0;
    for (std::uint32_t i = 0; i < kEventHandleLength; ++i)
        handle |= static_cast<std::uint64_t>(request.buffer[i]) << (8 * i);
    // The new event is referenced first, so a bad handle leaves the registered one.
    void* object = nullptr;
    const NtStatus referenced = m_Objects.ReferenceEvent(handle, object);
    if (!Succeeded(referenced) || object == nullptr) {
        request.status = Succeeded(referenced) ? kInvalidHandle : referenced;
        return;
    }
    if (m_pEvent != nullptr)
        m_Objects.Dereference(m_pEvent);
    m_pEvent = object;
}

void SieveControlDevice::FilterReport(std::uint8_t* report, std::uint32_t length)
{
    if (length < kShortestFilteredRead)
        return;
    CSpinLockGuard guard(m_Lock);
    if (m_Record.m_Enabled != 1 || report == nullptr)
        return;
    const std::uint8_t key = report[kLaunchKeyByte];
    if ((key & 0x80) != 0) {
        // The key stays in the report while the button is held: only its first report counts.
        if (key != m_Record.m_LastKey) {
            m_Record.m_LastKey = key;
            m_Record.m_PendingKey = key;
            report[kWheelByte] = 1;
            m_Record.m_Pending = 1;
        }
        return;
    }
    const std::uint8_t status = report[kStatusByte];
    const std::uint8_t value1 = report[kStatusByte + 1];
    const std::uint8_t value2 = report[kStatusByte + 2];
    if ((status | value1 | value2) != 0) {
        m_Record.m_StatusHi = static_cast<std::uint8_t>(status >> 4);
        m_Record.m_StatusLo = static_cast<std::uint8_t>(status & 0x0F);
        m_Record.m_Value1 = value1;
        m_Record.m_Value2 = value2;
        m_Record.m_PendingKey = 0;
        report[kWheelByte] = 1;
        m_Record.m_Pending = 1;
    }
    m_Record.m_LastKey = 0;
}

void SieveControlDevice::ResetForNewMouse()
{
    CSpinLockGuard guard(m_Lock);
    m_Record.m_ReportByte = kReportByte;
    m_Record.m_StatusHi = 0;
    m_Record.m_LastKey = kReportByte;
}

void SieveControlDevice::SetPresent(bool present)
{
    CSpinLockGuard guard(m_Lock);
    m_Record.m_Present = present ? 1 : 0;
}

SStatusRecord SieveControlDevice::Record() const
{
    CSpinLockGuard guard(m_Lock);
    return m_Record;
}

} // namespace vardex::sieve
