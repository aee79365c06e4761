// The instance lock port over a named mutex.
#pragma once

#include "platform/InstanceLock.h"

namespace vardex {

class CWin32InstanceLock final : public IInstanceLock {
public:
    ~CWin32InstanceLock() override { Release(); }
    bool Acquire(const std::wstring& name, bool& alreadyExisted) override;
    void Release() override;

private:
    void* m_Mutex = nullptr;
};

} // namespace vardex
