#include "platform/win32/Win32SystemFiles.h"

#include <windows.h>

namespace vardex {

bool CWin32SystemFiles::WindowsDirectory(std::string& directory)
{
    char buffer[MAX_PATH];
    const UINT length = GetWindowsDirectoryA(buffer, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return false;
    directory.assign(buffer, length);
    return true;
}

int CWin32SystemFiles::Copy(const std::string& source, const std::string& destination, bool overwrite)
{
    if (CopyFileA(source.c_str(), destination.c_str(), overwrite ? FALSE : TRUE))
        return 0;
    return static_cast<int>(GetLastError());
}

bool CWin32SystemFiles::Remove(const std::string& path) { return DeleteFileA(path.c_str()) != FALSE; }

} // namespace vardex
