// Where the system keeps itself: the Windows directory and the system directory.
#pragma once

#include <string>

namespace vardex {

class ISystemFolders {
public:
    virtual ~ISystemFolders() = default;
    // False when the system does not give it.
    virtual bool WindowsDirectory(std::wstring& folder) = 0;
    virtual bool SystemDirectory(std::wstring& folder) = 0;
};

} // namespace vardex
