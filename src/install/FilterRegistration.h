// What the registration library's two exports do: Install places the filter
// driver, creates its service and lists it among the Mouse class's lower filters;
// Uninstall takes it out of the list again and deletes the service.
#pragma once

#include "platform/DeviceClassKey.h"
#include "platform/ServiceManager.h"
#include "platform/SystemFiles.h"

namespace vardex {

namespace registration {
inline constexpr int kRebootRequired = 3010;   // Install succeeded
inline constexpr int kUninstalled = 128;        // Uninstall succeeded
inline constexpr int kNotEnoughMemory = 8;      // no Windows directory or no memory
inline constexpr int kServiceExists = 1073;
inline constexpr const char* kDriverImagePath = "System32\\Drivers\\Qv8Sieve.sys";
} // namespace registration

struct SRegistrationPorts {
    IDeviceClassKey& classKey;
    ISystemFiles& files;
    IServiceManager& services;
};

int InstallFilter(const SRegistrationPorts& ports);
int UninstallFilter(const SRegistrationPorts& ports);

} // namespace vardex
