// SieveControlDevice: the driver's one named device ("\Device\NovaroQV9Device", opened
// from user mode as "\\.\NovaroQV9Device"). It holds the status record the read
// completion routine writes, and answers the request byte a client reads or writes.
// Every request completes at once.
#pragma once

#include "driver/SieveRequest.h"
#include "platform/KernelObjects.h"
#include "platform/SpinLock.h"

#include <cstdint>

namespace vardex::sieve {

inline constexpr wchar_t kControlDeviceName[] = L"\\Device\\NovaroQV9Device";
inline constexpr wchar_t kControlLinkName[] = L"\\??\\NovaroQV9Device";

// Request bytes.
inline constexpr std::uint8_t kReqReport = 0xE1;  // SIEVE_REQ_REPORT, read 1
inline constexpr std::uint8_t kReqPresent = 0xE2; // SIEVE_REQ_PRESENT, read 1
inline constexpr std::uint8_t kReqStatus = 0xE3;  // SIEVE_REQ_STATUS, read 5
inline constexpr std::uint8_t kCmdFilter = 0xF1;  // SIEVE_CMD_FILTER, write 2
inline constexpr std::uint32_t kIoctlSetEvent = 1; // SIEVE_IOCTL_SET_EVENT

inline constexpr std::uint32_t kStatusReplyLength = 5;
inline constexpr std::uint32_t kFilterCommandLength = 2;
inline constexpr std::uint32_t kEventHandleLength = 8;
inline constexpr std::uint8_t kReportByte = 0x3B;

// Report bytes the completion routine reads and marks.
inline constexpr int kWheelByte = 4;
inline constexpr int kStatusByte = 10;
inline constexpr int kLaunchKeyByte = 13;
inline constexpr std::uint32_t kShortestFilteredRead = 14;

// The status record; the five status bytes and the pending flag belong together.
struct SStatusRecord {
    std::uint8_t m_ReportByte = kReportByte;
    std::uint8_t m_StatusHi = 0xFF;
    std::uint8_t m_StatusLo = 0xFF;
    std::uint8_t m_Value1 = 0xFF;
    std::uint8_t m_Value2 = 0xFF;
    std::uint8_t m_LastKey = 0;
    std::uint8_t m_Pending = 0;
    std::uint8_t m_Enabled = 0;
    std::uint8_t m_Present = 0;
    // The key byte of the pending status: a button's release clears m_LastKey before
    // the status may have been fetched, and must not turn a launch into a level change.
    std::uint8_t m_PendingKey = 0;
};

class SieveControlDevice {
public:
    SieveControlDevice(int unit, ISpinLock& lock, IKernelObjects& objects)
        : m_Unit(unit), m_Lock(lock), m_Objects(objects)
    {
    }
    ~SieveControlDevice();
    SieveControlDevice(const SieveControlDevice&) = delete;
    SieveControlDevice& operator=(const SieveControlDevice&) = delete;

    // Answers the request and sets its status and byte count; the caller completes it.
    void Dispatch(SRequest& request);

    // The read completion step for the maker's mouse: report is the mapped buffer (null
    // when it could not be mapped) and length the requested read length.
    void FilterReport(std::uint8_t* report, std::uint32_t length);
    // What a new mouse's AddDevice resets.
    void ResetForNewMouse();
    void SetPresent(bool present);

    int Unit() const { return m_Unit; }
    SStatusRecord Record() const; // a consistent copy
    void* RegisteredEvent() const { return m_pEvent; }

private:
    void Read(SRequest& request);
    void Write(SRequest& request);
    void DeviceControl(SRequest& request);

    int m_Unit;
    ISpinLock& m_Lock;
    IKernelObjects& m_Objects;
    SStatusRecord m_Record;
    void* m_pEvent = nullptr; // the referenced event object of code 1
};

} // namespace vardex::sieve
