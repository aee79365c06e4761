// A registry held in memory, with the lookup rules of the real one (names compared
// without case) and a way to make a key refuse access.
#pragma once

#include "platform/Registry.h"

#include <map>
#include <optional>
#include <set>

namespace vardex {

struct SRegValue {
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
};

class CMemoryRegistry final : public IRegistry {
public:
    long OpenKey(ERegRoot root, const std::wstring& path, RegKey& key) override;
    long CreateKey(ERegRoot root, const std::wstring& path, RegKey& key) override;
    void CloseKey(RegKey key) override;
    long QueryValue(RegKey key, const std::wstring& name, std::uint32_t& type, std::vector<std::uint8_t>& data,
                    std::size_t capacity) override;
    long SetValue(RegKey key, const std::wstring& name, std::uint32_t type, const std::uint8_t* data,
                  std::size_t size) override;
    long DeleteValue(RegKey key, const std::wstring& name) override;

    // For tests: inspect and prepare the contents directly.
    bool KeyExists(ERegRoot root, const std::wstring& path) const;
    std::optional<SRegValue> Value(ERegRoot root, const std::wstring& path, const std::wstring& name) const;
    void Put(ERegRoot root, const std::wstring& path, const std::wstring& name, SRegValue value);
    void DenyAccess(ERegRoot root, const std::wstring& path);
    int OpenKeyCount() const { return static_cast<int>(m_Open.size()); }

private:
    using KeyId = std::pair<ERegRoot, std::wstring>; // the path in lower case
    using Values = std::map<std::wstring, SRegValue>; // keyed by lower-case name

    static KeyId Id(ERegRoot root, const std::wstring& path);
    Values* Find(RegKey key);

    std::map<KeyId, Values> m_Keys;
    std::set<KeyId> m_Denied;
    std::map<RegKey, KeyId> m_Open;
    RegKey m_NextKey = 0x40;
};

} // namespace vardex
