#include "install/FilterRegistration.h"

#include "install/FilterInstaller.h"

#include <new>
#include <string>

namespace vardex {

namespace {

SServiceDefinition FilterService()
{
    SServiceDefinition service;
    service.name = QV8FilterInstaller::kServiceName;
    service.displayName = QV8FilterInstaller::kServiceName;
    service.type = service::kKernelDriver;
    service.startType = service::kDemandStart;
    service.errorControl = service::kErrorNormal;
    service.imagePath = registration::kDriverImagePath;
    return service;
}

} // namespace

int InstallFilter(const SRegistrationPorts& ports)
{
    QV8FilterInstaller installer(ports.classKey);
    installer.SetRebootNeeded(1);

    std::string destination;
    if (!ports.files.WindowsDirectory(destination))
        return registration::kNotEnoughMemory;
    try {
        destination += '\\';
        destination += registration::kDriverImagePath;
    } catch (const std::bad_alloc&) {
        return registration::kNotEnoughMemory;
    }
    // The driver comes from the current directory.
    if (int error = ports.files.Copy(installer.DriverFile(), destination, true))
        return error;

    if (g_PlatformId != kPlatformWin32Windows) {
        const int error = ports.services.CreateDriverService(FilterService());
        if (error != 0 && error != registration::kServiceExists)
            return error;
    }

    const int result = installer.Run(1);
    return result == 0 && installer.RebootNeeded() ? registration::kRebootRequired : result;
}

int UninstallFilter(const SRegistrationPorts& ports)
{
    QV8FilterInstaller installer(ports.classKey);
    installer.SetRebootNeeded(1);

    int result = installer.Run(0);
    if (result == 0 && installer.RebootNeeded())
        result = registration::kUninstalled;
    // The driver file stays; only the service goes, and how that went is not reported.
    if (g_PlatformId != kPlatformWin32Windows)
        ports.services.DeleteDriverService(installer.ServiceName());
    return result;
}

} // namespace vardex
