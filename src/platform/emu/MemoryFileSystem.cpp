#include "platform/emu/MemoryFileSystem.h"

#include <algorithm>

namespace vardex {

bool CMemoryFileSystem::CanOpenForReading(const std::wstring& path)
{
    return files.count(path) == 1 && locked.count(path) == 0;
}

bool CMemoryFileSystem::ReadFile(const std::wstring& path, std::size_t maxBytes, std::vector<std::uint8_t>& data)
{
    if (!CanOpenForReading(path))
        return false;
    const std::vector<std::uint8_t>& file = files[path];
    data.assign(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(std::min(maxBytes, file.size())));
    return true;
}

EWriteResult CMemoryFileSystem::StoreFile(const std::wstring& path, std::span<const std::uint8_t> data)
{
    if (unwritable.count(path))
        return EWriteResult::kCannotCreate;
    if (data.size() > writeLimit)
        return EWriteResult::kWriteFailed; // the temporary file is dropped, the target kept
    files[path].assign(data.begin(), data.end());
    return EWriteResult::kWritten;
}

bool CMemoryFileSystem::CreateFolder(const std::wstring& path)
{
    folders.insert(path);
    return true;
}

} // namespace vardex
