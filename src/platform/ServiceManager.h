// The service manager port: creating and deleting a service of the local machine.
// Results are the Win32 error of the call that failed, 0 for success.
#pragma once

#include <string>

namespace vardex {

namespace service {
inline constexpr unsigned kKernelDriver = 1; // SERVICE_KERNEL_DRIVER
inline constexpr unsigned kDemandStart = 3;  // SERVICE_DEMAND_START
inline constexpr unsigned kErrorNormal = 1;  // SERVICE_ERROR_NORMAL
} // namespace service

struct SServiceDefinition {
    std::string name;
    std::string displayName;
    unsigned type = 0;
    unsigned startType = 0;
    unsigned errorControl = 0;
    std::string imagePath; // relative to the system root
};

class IServiceManager {
public:
    virtual ~IServiceManager() = default;

    // Creates the service with full access, no load-order group, tag, dependencies,
    // account or password.
    virtual int CreateDriverService(const SServiceDefinition& definition) = 0;
    virtual int DeleteDriverService(const std::string& name) = 0;
};

} // namespace vardex
