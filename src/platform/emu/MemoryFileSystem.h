// Files held in memory, with faults a test can switch on: a file that cannot be
// created, a write that stops short, a file that cannot be read.
#pragma once

#include "platform/FileSystem.h"

#include <map>
#include <set>

namespace vardex {

class CMemoryFileSystem final : public IFileSystem {
public:
    bool CanOpenForReading(const std::wstring& path) override;
    bool ReadFile(const std::wstring& path, std::size_t maxBytes, std::vector<std::uint8_t>& data) override;
    EWriteResult StoreFile(const std::wstring& path, std::span<const std::uint8_t> data) override;
    bool CreateFolder(const std::wstring& path) override;

    std::map<std::wstring, std::vector<std::uint8_t>> files;
    std::set<std::wstring> folders;
    std::set<std::wstring> unwritable; // paths that cannot be created
    std::set<std::wstring> locked;     // paths that exist but cannot be opened
    std::size_t writeLimit = SIZE_MAX; // bytes a write delivers before the disk is full
};

} // namespace vardex
