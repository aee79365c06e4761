// The file port: whole-file reads and safe replacement, as the profile files and the
// program-file lookup need them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vardex {

enum class EWriteResult {
    kWritten,
    kCannotCreate, // the file (or its temporary twin) cannot be created
    kWriteFailed,  // created, but the data did not all arrive; the target is untouched
};

class IFileSystem {
public:
    virtual ~IFileSystem() = default;

    // Whether path is an existing file that opens for reading with others reading too.
    virtual bool CanOpenForReading(const std::wstring& path) = 0;
    // Reads at most maxBytes from the start of path; false when it cannot be opened
    // or read.
    virtual bool ReadFile(const std::wstring& path, std::size_t maxBytes, std::vector<std::uint8_t>& data) = 0;
    // Writes data to a temporary file in path's folder and renames it over path, so a
    // failed write never destroys what path held before.
    virtual EWriteResult StoreFile(const std::wstring& path, std::span<const std::uint8_t> data) = 0;
    // Creates the folder when it is missing; true when it exists afterwards.
    virtual bool CreateFolder(const std::wstring& path) = 0;
};

} // namespace vardex
