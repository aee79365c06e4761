// Named locks held in memory: several instances sharing one set of names behave as
// processes sharing the system's named objects.
#pragma once

#include "platform/InstanceLock.h"

#include <set>

namespace vardex {

class CMemoryInstanceLock final : public IInstanceLock {
public:
    explicit CMemoryInstanceLock(std::multiset<std::wstring>& names) : m_Names(names) {}
    ~CMemoryInstanceLock() override { Release(); }

    bool Acquire(const std::wstring& name, bool& alreadyExisted) override
    {
        Release();
        alreadyExisted = m_Names.count(name) != 0;
        m_Names.insert(name);
        m_Held = name;
        return true;
    }
    void Release() override
    {
        if (m_Held.empty())
            return;
        m_Names.erase(m_Names.find(m_Held));
        m_Held.clear();
    }

private:
    std::multiset<std::wstring>& m_Names;
    std::wstring m_Held;
};

} // namespace vardex
