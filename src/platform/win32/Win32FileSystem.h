// The file port over the system's file services.
#pragma once

#include "platform/FileSystem.h"

namespace vardex {

class CWin32FileSystem final : public IFileSystem {
public:
    bool CanOpenForReading(const std::wstring& path) override;
    bool ReadFile(const std::wstring& path, std::size_t maxBytes, std::vector<std::uint8_t>& data) override;
    EWriteResult StoreFile(const std::wstring& path, std::span<const std::uint8_t> data) override;
    bool CreateFolder(const std::wstring& path) override;
};

} // namespace vardex
