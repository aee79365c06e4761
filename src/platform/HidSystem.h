// The HID system port: what the device list and the EEPROM protocol need from the
// operating system's HID class and device-setup services. One adapter talks to the
// real services, another serves emulated mice through the very same calls.
#pragma once

#include "platform/Handles.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vardex {

struct SGuid {
    std::uint32_t data1;
    std::uint16_t data2;
    std::uint16_t data3;
    std::uint8_t data4[8];

    friend bool operator==(const SGuid&, const SGuid&) = default;
};

// {378DE44C-56EF-11D1-BC8C-00A0C91405DD}: the mouse device-interface class.
inline constexpr SGuid kMouseInterfaceClass{
    0x378DE44C, 0x56EF, 0x11D1, {0xBC, 0x8C, 0x00, 0xA0, 0xC9, 0x14, 0x05, 0xDD}};
// {4D1E55B2-F16F-11CF-88CB-001111000030}: the HID device-interface class.
inline constexpr SGuid kHidInterfaceClass{
    0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};

struct SHidAttributes {
    std::uint16_t vendorId = 0;
    std::uint16_t productId = 0;
    std::uint16_t versionNumber = 0; // the device release number
};

// An open device; kInvalidHidHandle when an open failed.
using HidHandle = std::intptr_t;
inline constexpr HidHandle kInvalidHidHandle = -1;

// A device-interface notification registration; 0 is none.
using NotifyHandle = std::uintptr_t;

// Both kinds of open share the device for reading and writing and never create it.
enum class EHidAccess {
    kQuery, // no access rights: attributes and strings only
    kWrite, // for writing: feature reports and input reads
};

enum class EHidLibrary { kHidClass, kDeviceSetup };

// Device-change events delivered to a registered window (the WM_DEVICECHANGE codes).
inline constexpr std::uint32_t kDeviceArrival = 0x8000;
inline constexpr std::uint32_t kDeviceRemoveComplete = 0x8004;

// The longest product or manufacturer string the services return, in characters,
// without the terminating zero (the service is given a 128-character buffer).
inline constexpr std::size_t kHidStringChars = 127;

class IHidSystem {
public:
    virtual ~IHidSystem() = default;

    // Loads one of the two system libraries; every successful load is paired with
    // one Release. Returns false when the library is not there.
    virtual bool Acquire(EHidLibrary library) = 0;
    virtual void Release(EHidLibrary library) = 0;

    // The interface paths of the present devices that expose cls, in the system's
    // order, at most maxCount. Stops early where the system stops answering.
    // Returns false when the device-setup service refuses the query.
    virtual bool EnumerateInterfaces(const SGuid& cls, int maxCount,
                                     std::vector<std::wstring>& paths) = 0;

    virtual HidHandle Open(const std::wstring& path, EHidAccess access) = 0;
    virtual bool Close(HidHandle handle) = 0;

    virtual bool GetAttributes(HidHandle handle, SHidAttributes& attributes) = 0;
    // False when the device has no such string; otherwise at most kHidStringChars.
    virtual bool GetProductString(HidHandle handle, std::wstring& text) = 0;
    virtual bool GetManufacturerString(HidHandle handle, std::wstring& text) = 0;

    // One feature report; report[0] is the report id.
    virtual bool SetFeature(HidHandle handle, const std::uint8_t* report, std::size_t length) = 0;
    virtual bool GetFeature(HidHandle handle, std::uint8_t* report, std::size_t length) = 0;
    // One read from the device's input report stream.
    virtual bool ReadInput(HidHandle handle, std::uint8_t* buffer, std::size_t capacity,
                           std::size_t& bytesRead) = 0;

    // Arrival and removal notices of every interface of cls go to recipient.
    // Returns 0 when the registration is refused.
    virtual NotifyHandle RegisterInterfaceNotify(WindowHandle recipient, const SGuid& cls) = 0;
    virtual bool UnregisterInterfaceNotify(NotifyHandle registration) = 0;
};

} // namespace vardex
