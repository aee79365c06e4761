// CSettingsKey: the program's registry object for HKEY_CURRENT_USER\Software\Vardex.
// Every operation opens the key, does its work and closes it again; no key stays
// open between calls.
#pragma once

#include "platform/Registry.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vardex {

class CSettingsKey {
public:
    static constexpr wchar_t kKeyPath[] = L"Software\\Vardex";
    static constexpr std::size_t kValueBufferSize = 4096;
    static constexpr std::uint32_t kNotSet = 0xFFFFFFFF;

    explicit CSettingsKey(IRegistry& registry) : m_Registry(registry) {}

    int SetDword(const std::wstring& name, std::uint32_t value);
    // A missing key is created holding name = 0, and 0 is returned; a value that
    // cannot be read as four bytes gives kNotSet.
    std::uint32_t GetDword(const std::wstring& name);
    int DeleteValue(const std::wstring& name);
    // The value's bytes, of any type, at most kValueBufferSize of them.
    int GetValue(const std::wstring& name, std::vector<std::uint8_t>& data);
    // Stored without a terminating zero: n characters take 2n bytes.
    int SetString(const std::wstring& name, const std::wstring& text);
    // A string value read as its readers do: from a cleared buffer, relying on no
    // stored terminator.
    int GetString(const std::wstring& name, std::wstring& text);

    long LastError() const { return m_LastError; }

private:
    // Opens the key, creating it when it is missing.
    bool OpenOrCreate(RegKey& key);
    int SetRaw(const std::wstring& name, std::uint32_t type, const std::vector<std::uint8_t>& data);

    IRegistry& m_Registry;
    long m_LastError = reg::kSuccess;
};

} // namespace vardex
