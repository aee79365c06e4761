// The registry port over the system registry.
#pragma once

#include "platform/Registry.h"

namespace vardex {

class CWin32Registry final : public IRegistry {
public:
    long OpenKey(ERegRoot root, const std::wstring& path, RegKey& key) override;
    long CreateKey(ERegRoot root, const std::wstring& path, RegKey& key) override;
    void CloseKey(RegKey key) override;
    long QueryValue(RegKey key, const std::wstring& name, std::uint32_t& type, std::vector<std::uint8_t>& data,
                    std::size_t capacity) override;
    long SetValue(RegKey key, const std::wstring& name, std::uint32_t type, const std::uint8_t* data,
                  std::size_t size) override;
    long DeleteValue(RegKey key, const std::wstring& name) override;
};

} // namespace vardex
