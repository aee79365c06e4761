#include "platform/win32/Win32DeviceClassKey.h"

#include <windows.h>

#include <setupapi.h>

#include <cstring>

namespace vardex {

namespace {

HKEY ToKey(ClassKeyHandle key) { return reinterpret_cast<HKEY>(key); }

} // namespace

ClassKeyHandle CWin32DeviceClassKey::OpenClassKey(const SGuid& setupClass)
{
    GUID guid;
    guid.Data1 = setupClass.data1;
    guid.Data2 = setupClass.data2;
    guid.Data3 = setupClass.data3;
    std::memcpy(guid.Data4, setupClass.data4, sizeof guid.Data4);
    const HKEY key = SetupDiOpenClassRegKey(&guid, KEY_ALL_ACCESS);
    return key == INVALID_HANDLE_VALUE ? kInvalidClassKey : reinterpret_cast<ClassKeyHandle>(key);
}

void CWin32DeviceClassKey::CloseClassKey(ClassKeyHandle key) { RegCloseKey(ToKey(key)); }

int CWin32DeviceClassKey::QueryValueSize(ClassKeyHandle key, const char* name, std::uint32_t& size)
{
    DWORD bytes = 0;
    const LONG error = RegQueryValueExA(ToKey(key), name, nullptr, nullptr, nullptr, &bytes);
    size = bytes;
    return static_cast<int>(error);
}

int CWin32DeviceClassKey::ReadValue(ClassKeyHandle key, const char* name, std::vector<std::uint8_t>& data)
{
    // The value may grow between the size query and the read.
    for (;;) {
        DWORD bytes = 0;
        LONG error = RegQueryValueExA(ToKey(key), name, nullptr, nullptr, nullptr, &bytes);
        if (error != ERROR_SUCCESS)
            return static_cast<int>(error);
        data.resize(bytes);
        error = RegQueryValueExA(ToKey(key), name, nullptr, nullptr, data.data(), &bytes);
        if (error == ERROR_MORE_DATA)
            continue;
        data.resize(error == ERROR_SUCCESS ? bytes : 0);
        return static_cast<int>(error);
    }
}

int CWin32DeviceClassKey::WriteMultiString(ClassKeyHandle key, const char* name,
                                           const std::vector<std::uint8_t>& data)
{
    return static_cast<int>(RegSetValueExA(ToKey(key), name, 0, REG_MULTI_SZ, data.data(),
                                           static_cast<DWORD>(data.size())));
}

int CWin32DeviceClassKey::DeleteValue(ClassKeyHandle key, const char* name)
{
    return static_cast<int>(RegDeleteValueA(ToKey(key), name));
}

} // namespace vardex
