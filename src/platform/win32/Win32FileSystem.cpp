#include "platform/win32/Win32FileSystem.h"

#include <windows.h>

namespace vardex {

namespace {

HANDLE OpenForReading(const std::wstring& path)
{
    return CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                       FILE_ATTRIBUTE_NORMAL | FILE_FLAG_RANDOM_ACCESS, nullptr);
}

bool WriteAll(HANDLE file, std::span<const std::uint8_t> data)
{
    DWORD written = 0;
    return ::WriteFile(file, data.data(), static_cast<DWORD>(data.size()), &written, nullptr) &&
           written == data.size() && FlushFileBuffers(file);
}

} // namespace

bool CWin32FileSystem::CanOpenForReading(const std::wstring& path)
{
    const HANDLE file = OpenForReading(path);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return true;
}

bool CWin32FileSystem::ReadFile(const std::wstring& path, std::size_t maxBytes, std::vector<std::uint8_t>& data)
{
    const HANDLE file = OpenForReading(path);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    data.assign(maxBytes, 0);
    std::size_t total = 0;
    bool ok = true;
    while (total < maxBytes) {
        DWORD got = 0;
        ok = ::ReadFile(file, data.data() + total, static_cast<DWORD>(maxBytes - total), &got, nullptr);
        if (!ok || got == 0)
            break;
        total += got;
    }
    CloseHandle(file);
    data.resize(total);
    return ok;
}

EWriteResult CWin32FileSystem::StoreFile(const std::wstring& path, std::span<const std::uint8_t> data)
{
    const std::wstring temporary = path + L".part";
    const HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return EWriteResult::kCannotCreate;
    const bool written = WriteAll(file, data);
    CloseHandle(file);
    if (!written) {
        DeleteFileW(temporary.c_str());
        return EWriteResult::kWriteFailed;
    }
    if (!MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(temporary.c_str());
        return EWriteResult::kCannotCreate;
    }
    return EWriteResult::kWritten;
}

bool CWin32FileSystem::CreateFolder(const std::wstring& path)
{
    if (CreateDirectoryW(path.c_str(), nullptr))
        return true;
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace vardex
