#include "profile/SettingsKey.h"

#include "lang/Utf16.h"

namespace vardex {

bool CSettingsKey::OpenOrCreate(RegKey& key)
{
    m_LastError = m_Registry.OpenKey(ERegRoot::kCurrentUser, kKeyPath, key);
    if (m_LastError == reg::kSuccess)
        return true;
    RegKey created = 0;
    m_LastError = m_Registry.CreateKey(ERegRoot::kCurrentUser, kKeyPath, created);
    if (m_LastError == reg::kSuccess)
        m_Registry.CloseKey(created);
    m_LastError = m_Registry.OpenKey(ERegRoot::kCurrentUser, kKeyPath, key);
    return m_LastError == reg::kSuccess;
}

int CSettingsKey::SetRaw(const std::wstring& name, std::uint32_t type, const std::vector<std::uint8_t>& data)
{
    RegKey key = 0;
    if (!OpenOrCreate(key))
        return 0;
    m_LastError = m_Registry.SetValue(key, name, type, data.data(), data.size());
    m_Registry.CloseKey(key);
    return m_LastError == reg::kSuccess ? 1 : 0;
}

int CSettingsKey::SetDword(const std::wstring& name, std::uint32_t value)
{
    const std::vector<std::uint8_t> bytes = {
        static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8),
        static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 24)};
    return SetRaw(name, reg::kDword, bytes);
}

std::uint32_t CSettingsKey::GetDword(const std::wstring& name)
{
    RegKey key = 0;
    m_LastError = m_Registry.OpenKey(ERegRoot::kCurrentUser, kKeyPath, key);
    if (m_LastError != reg::kSuccess) {
        SetDword(name, 0);
        return 0;
    }
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
    m_LastError = m_Registry.QueryValue(key, name, type, data, 4);
    m_Registry.CloseKey(key);
    if (m_LastError != reg::kSuccess || data.size() != 4)
        return kNotSet;
    return data[0] | (data[1] << 8) | (data[2] << 16) | (static_cast<std::uint32_t>(data[3]) << 24);
}

int CSettingsKey::DeleteValue(const std::wstring& name)
{
    RegKey key = 0;
    m_LastError = m_Registry.OpenKey(ERegRoot::kCurrentUser, kKeyPath, key);
    if (m_LastError != reg::kSuccess)
        return 0;
    m_LastError = m_Registry.DeleteValue(key, name);
    m_Registry.CloseKey(key);
    return m_LastError == reg::kSuccess ? 1 : 0;
}

int CSettingsKey::GetValue(const std::wstring& name, std::vector<std::uint8_t>& data)
{
    RegKey key = 0;
    m_LastError = m_Registry.OpenKey(ERegRoot::kCurrentUser, kKeyPath, key);
    if (m_LastError != reg::kSuccess)
        return 0;
    std::uint32_t type = 0;
    m_LastError = m_Registry.QueryValue(key, name, type, data, kValueBufferSize);
    m_Registry.CloseKey(key);
    return m_LastError == reg::kSuccess ? 1 : 0;
}

int CSettingsKey::SetString(const std::wstring& name, const std::wstring& text)
{
    return SetRaw(name, reg::kString, ToUtf16Bytes(text));
}

int CSettingsKey::GetString(const std::wstring& name, std::wstring& text)
{
    text.clear();
    std::vector<std::uint8_t> data;
    if (!GetValue(name, data))
        return 0;
    text = FromUtf16Bytes(data);
    return 1;
}

} // namespace vardex
