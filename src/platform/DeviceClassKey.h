// The device-class key port: the registry key of a device setup class (where the
// class's upper and lower filters are listed) and the values under it. Results are
// the registry's own error codes, 0 for success.
#pragma once

#include "platform/HidSystem.h"

#include <cstdint>
#include <vector>

namespace vardex {

// An open class key; kInvalidClassKey when the key could not be opened.
using ClassKeyHandle = std::intptr_t;
inline constexpr ClassKeyHandle kInvalidClassKey = -1;

// {4D36E96F-E325-11CE-BFC1-08002BE10318}: the Mouse device setup class.
inline constexpr SGuid kMouseSetupClass{
    0x4D36E96F, 0xE325, 0x11CE, {0xBF, 0xC1, 0x08, 0x00, 0x2B, 0xE1, 0x03, 0x18}};

class IDeviceClassKey {
public:
    virtual ~IDeviceClassKey() = default;

    // Opens the class key with full access.
    virtual ClassKeyHandle OpenClassKey(const SGuid& setupClass) = 0;
    virtual void CloseClassKey(ClassKeyHandle key) = 0;

    // The size in bytes of a value of any type.
    virtual int QueryValueSize(ClassKeyHandle key, const char* name, std::uint32_t& size) = 0;
    // Reads a value of any type into data, resized to the bytes read.
    virtual int ReadValue(ClassKeyHandle key, const char* name, std::vector<std::uint8_t>& data) = 0;
    // Writes data as a multi-string value (REG_MULTI_SZ).
    virtual int WriteMultiString(ClassKeyHandle key, const char* name,
                                 const std::vector<std::uint8_t>& data) = 0;
    virtual int DeleteValue(ClassKeyHandle key, const char* name) = 0;
};

} // namespace vardex
