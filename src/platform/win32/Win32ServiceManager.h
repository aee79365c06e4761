// The service manager port over the local machine's service control manager.
#pragma once

#include "platform/ServiceManager.h"

namespace vardex {

class CWin32ServiceManager final : public IServiceManager {
public:
    int CreateDriverService(const SServiceDefinition& definition) override;
    int DeleteDriverService(const std::string& name) override;
};

} // namespace vardex
