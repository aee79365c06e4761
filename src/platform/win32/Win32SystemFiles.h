// The system files port over the ANSI file services.
#pragma once

#include "platform/SystemFiles.h"

namespace vardex {

class CWin32SystemFiles final : public ISystemFiles {
public:
    bool WindowsDirectory(std::string& directory) override;
    int Copy(const std::string& source, const std::string& destination, bool overwrite) override;
    bool Remove(const std::string& path) override;
};

} // namespace vardex
