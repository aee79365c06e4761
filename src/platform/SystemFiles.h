// The system files port: the Windows directory and whole-file copies and deletions.
// Paths are in the ANSI code page; relative paths are taken from the process's
// current directory.
#pragma once

#include <string>

namespace vardex {

class ISystemFiles {
public:
    virtual ~ISystemFiles() = default;

    // False when the system does not give it.
    virtual bool WindowsDirectory(std::string& directory) = 0;
    // 0, or the Win32 error of the copy.
    virtual int Copy(const std::string& source, const std::string& destination, bool overwrite) = 0;
    virtual bool Remove(const std::string& path) = 0;
};

} // namespace vardex
