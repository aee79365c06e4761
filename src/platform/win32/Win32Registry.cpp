#include "platform/win32/Win32Registry.h"

#include <windows.h>

namespace vardex {

namespace {

HKEY Root(ERegRoot root) { return root == ERegRoot::kCurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE; }
HKEY ToKey(RegKey key) { return reinterpret_cast<HKEY>(key); }

} // namespace

long CWin32Registry::OpenKey(ERegRoot root, const std::wstring& path, RegKey& key)
{
    HKEY opened = nullptr;
    const LONG result = RegOpenKeyExW(Root(root), path.c_str(), 0, KEY_ALL_ACCESS, &opened);
    key = result == ERROR_SUCCESS ? reinterpret_cast<RegKey>(opened) : 0;
    return result;
}

long CWin32Registry::CreateKey(ERegRoot root, const std::wstring& path, RegKey& key)
{
    HKEY created = nullptr;
    const LONG result = RegCreateKeyExW(Root(root), path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                        &created, nullptr);
    key = result == ERROR_SUCCESS ? reinterpret_cast<RegKey>(created) : 0;
    return result;
}

void CWin32Registry::CloseKey(RegKey key)
{
    if (key != 0)
        RegCloseKey(ToKey(key));
}

long CWin32Registry::QueryValue(RegKey key, const std::wstring& name, std::uint32_t& type,
                                std::vector<std::uint8_t>& data, std::size_t capacity)
{
    std::vector<std::uint8_t> buffer(capacity);
    DWORD size = static_cast<DWORD>(capacity);
    DWORD kind = 0;
    const LONG result = RegQueryValueExW(ToKey(key), name.c_str(), nullptr, &kind, buffer.data(), &size);
    if (result != ERROR_SUCCESS)
        return result;
    buffer.resize(size);
    data = std::move(buffer);
    type = kind;
    return result;
}

long CWin32Registry::SetValue(RegKey key, const std::wstring& name, std::uint32_t type, const std::uint8_t* data,
                              std::size_t size)
{
    return RegSetValueExW(ToKey(key), name.c_str(), 0, type, data, static_cast<DWORD>(size));
}

long CWin32Registry::DeleteValue(RegKey key, const std::wstring& name)
{
    return RegDeleteValueW(ToKey(key), name.c_str());
}

} // namespace vardex
