// The device-class key port over the device-setup library and the registry.
#pragma once

#include "platform/DeviceClassKey.h"

namespace vardex {

class CWin32DeviceClassKey final : public IDeviceClassKey {
public:
    ClassKeyHandle OpenClassKey(const SGuid& setupClass) override;
    void CloseClassKey(ClassKeyHandle key) override;
    int QueryValueSize(ClassKeyHandle key, const char* name, std::uint32_t& size) override;
    int ReadValue(ClassKeyHandle key, const char* name, std::vector<std::uint8_t>& data) override;
    int WriteMultiString(ClassKeyHandle key, const char* name,
                         const std::vector<std::uint8_t>& data) override;
    int DeleteValue(ClassKeyHandle key, const char* name) override;
};

} // namespace vardex
