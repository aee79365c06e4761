// What a filter device of the driver needs of the device stack it sits in, and what
// the driver needs of the system to make its devices. The WDM layer implements both
// over IRPs and device objects; the emulated driver host over emulated mice.
#pragma once

#include "driver/SieveRequest.h"

#include <cstddef>
#include <cstdint>

namespace vardex::sieve {

class SieveFilterDevice;
class SieveControlDevice;

// The physical device object a filter is added for.
using PhysicalDevice = std::uintptr_t;

class ISieveStack {
public:
    virtual ~ISieveStack() = default;

    // IoAttachDeviceToDeviceStack; the lower device's attributes on success.
    virtual bool Attach(SDeviceAttributes& lower) = 0;
    virtual void Detach() = 0;
    // IoGetDeviceProperty(DevicePropertyHardwareID): the bytes returned, 0 on failure.
    virtual std::size_t QueryHardwareId(std::uint8_t* buffer, std::size_t capacity) = 0;

    // Passes the request down unchanged (stack location skipped, IoCallDriver).
    virtual NtStatus PassDown(SRequest& request) = 0;
    // PoStartNextPowerIrp and PoCallDriver.
    virtual NtStatus PassDownPower(SRequest& request) = 0;
    // Passes a read down with the completion routine set; when the lower driver
    // completes it, the filter's ReadCompleted runs. False, without passing anything
    // down, when the routine's context cannot be allocated.
    virtual bool PassDownWithCompletion(SRequest& request, NtStatus& lowerStatus) = 0;
    // Completes a request the filter answers itself.
    virtual void Complete(SRequest& request) = 0;

    // Blocks until the filter's outstanding-request count has fallen to target;
    // OutstandingFell is called whenever it falls during a removal.
    virtual void WaitForOutstanding(long target) = 0;
    virtual void OutstandingFell() = 0;
    // IoDeleteDevice of the filter's device object.
    virtual void DeleteDevice() = 0;
};

class ISieveHost {
public:
    virtual ~ISieveHost() = default;

    // Creates the named control device with its symbolic link and its class object;
    // kInsufficientResources when it cannot be allocated, or the status its
    // construction failed with (the device is then deleted again).
    virtual NtStatus CreateControlDevice(int unit, SieveControlDevice*& device) = 0;
    // The unnamed filter device object (kFileDeviceUnknown, kDoPowerPagable |
    // kDoDirectIo) with its class object over the stack of pdo; null without memory.
    virtual SieveFilterDevice* NewFilterDevice(PhysicalDevice pdo, int unit) = 0;
    virtual void DeleteFilterDevice(SieveFilterDevice* device) = 0;
    // PoSetPowerState(DevicePowerState, PowerDeviceD0).
    virtual void SetPowerStateD0(SieveFilterDevice& device) = 0;
};

} // namespace vardex::sieve
