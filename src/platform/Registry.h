// The registry port: keys and values of the kinds the system stores, under the
// current-user and local-machine roots. Results are the system's error codes, so
// callers can keep the exact rules they are written against.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vardex {

enum class ERegRoot { kCurrentUser, kLocalMachine };

// An open key; 0 is none.
using RegKey = std::uintptr_t;

namespace reg {
inline constexpr long kSuccess = 0;
inline constexpr long kFileNotFound = 2;
inline constexpr long kAccessDenied = 5;
inline constexpr long kMoreData = 234;

inline constexpr std::uint32_t kString = 1;   // REG_SZ
inline constexpr std::uint32_t kDword = 4;    // REG_DWORD
inline constexpr std::uint32_t kMultiString = 7;
} // namespace reg

class IRegistry {
public:
    virtual ~IRegistry() = default;

    // Opens an existing key with full access.
    virtual long OpenKey(ERegRoot root, const std::wstring& path, RegKey& key) = 0;
    // Creates a key (or opens it when it exists) with full access.
    virtual long CreateKey(ERegRoot root, const std::wstring& path, RegKey& key) = 0;
    virtual void CloseKey(RegKey key) = 0;

    // Reads a value into data, at most capacity bytes; kMoreData when it is larger.
    virtual long QueryValue(RegKey key, const std::wstring& name, std::uint32_t& type,
                            std::vector<std::uint8_t>& data, std::size_t capacity) = 0;
    virtual long SetValue(RegKey key, const std::wstring& name, std::uint32_t type,
                          const std::uint8_t* data, std::size_t size) = 0;
    virtual long DeleteValue(RegKey key, const std::wstring& name) = 0;
};

} // namespace vardex
