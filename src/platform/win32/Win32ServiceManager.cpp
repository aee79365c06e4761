#include "platform/win32/Win32ServiceManager.h"

#include <windows.h>

namespace vardex {

int CWin32ServiceManager::CreateDriverService(const SServiceDefinition& definition)
{
    const SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    if (manager == nullptr)
        return static_cast<int>(GetLastError());
    const SC_HANDLE created = CreateServiceA(
        manager, definition.name.c_str(), definition.displayName.c_str(), SERVICE_ALL_ACCESS,
        definition.type, definition.startType, definition.errorControl, definition.imagePath.c_str(),
        nullptr, nullptr, nullptr, nullptr, nullptr);
    const DWORD error = created == nullptr ? GetLastError() : ERROR_SUCCESS;
    if (created != nullptr)
        CloseServiceHandle(created);
    CloseServiceHandle(manager);
    return static_cast<int>(error);
}

int CWin32ServiceManager::DeleteDriverService(const std::string& name)
{
    const SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
    if (manager == nullptr)
        return static_cast<int>(GetLastError());
    DWORD error = ERROR_SUCCESS;
    const SC_HANDLE service = OpenServiceA(manager, name.c_str(), SERVICE_ALL_ACCESS);
    if (service == nullptr || !DeleteService(service))
        error = GetLastError();
    if (service != nullptr)
        CloseServiceHandle(service);
    CloseServiceHandle(manager);
    return static_cast<int>(error);
}

} // namespace vardex
