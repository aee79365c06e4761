// SieveDriver: the driver object of the mouse filter. DriverEntry prepares it,
// AddDevice makes the control device once and a filter device for every mouse, and
// its one dispatch routine hands the registered major functions to the device's
// class object.
#pragma once

#include "driver/SieveControlDevice.h"
#include "driver/SieveFilterDevice.h"
#include "driver/TraceChannel.h"
#include "platform/DebugOutput.h"
#include "platform/SieveStack.h"

namespace vardex::sieve {

inline constexpr char kTraceChannelName[] = "Mouse";
inline constexpr char kAddNewMouse[] = "Add New Mouse!!\n";

class SieveDriver {
public:
    SieveDriver(ISieveHost& host, IDebugOutput& debug) : m_Host(host), m_Trace(debug, kTraceChannelName) {}
    SieveDriver(const SieveDriver&) = delete;
    SieveDriver& operator=(const SieveDriver&) = delete;

    NtStatus DriverEntry();
    NtStatus AddDevice(PhysicalDevice pdo);

    // The eleven major functions the dispatch routine takes; the system answers the
    // rest as invalid device requests.
    static bool Registers(EMajor major);

    int Unit() const { return m_Unit; }
    SieveControlDevice* Control() const { return m_pControl; }
    CTraceChannel& Trace() { return m_Trace; }

private:
    ISieveHost& m_Host;
    CTraceChannel m_Trace;
    int m_Unit = 0;
    SieveControlDevice* m_pControl = nullptr;
};

} // namespace vardex::sieve
