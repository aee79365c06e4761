#include "driver/SieveDriver.h"

namespace vardex::sieve {

NtStatus SieveDriver::DriverEntry()
{
    m_Unit = 0;
    m_pControl = nullptr;
    return kSuccess;
}

bool SieveDriver::Registers(EMajor major)
{
    switch (major) {
    case EMajor::kCreate:
    case EMajor::kClose:
    case EMajor::kRead:
    case EMajor::kWrite:
    case EMajor::kFlushBuffers:
    case EMajor::kDeviceControl:
    case EMajor::kInternalDeviceControl:
    case EMajor::kCleanup:
    case EMajor::kPower:
    case EMajor::kSystemControl:
    case EMajor::kPnp:
        return true;
    default:
        return false;
    }
}

NtStatus SieveDriver::AddDevice(PhysicalDevice pdo)
{
    if (m_pControl == nullptr) {
        SieveControlDevice* control = nullptr;
        const NtStatus status = m_Host.CreateControlDevice(m_Unit, control);
        if (!Succeeded(status) || control == nullptr)
            return Succeeded(status) ? kInsufficientResources : status;
        m_pControl = control;
    }

    SieveFilterDevice* filter = m_Host.NewFilterDevice(pdo, m_Unit);
    if (filter == nullptr)
        return kInsufficientResources;
    const NtStatus attached = filter->Attach();
    if (!Succeeded(attached)) {
        m_Host.DeleteFilterDevice(filter);
        m_Trace.Write(kAddNewMouse);
        return attached;
    }

    ++m_Unit;
    m_Host.SetPowerStateD0(*filter);
    filter->SetPowerState(EPowerState::kD0);
    filter->SetControl(m_pControl);
    m_pControl->ResetForNewMouse();
    m_Trace.Write(kAddNewMouse);
    return kSuccess;
}

} // namespace vardex::sieve
