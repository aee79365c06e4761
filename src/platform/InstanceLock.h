// The instance lock port: a named lock that only one process of the program holds.
#pragma once

#include <string>

namespace vardex {

class IInstanceLock {
public:
    virtual ~IInstanceLock() = default;
    // Creates the named lock owned by this process; alreadyExisted tells whether
    // another process had created it first. False when the lock could not be made.
    virtual bool Acquire(const std::wstring& name, bool& alreadyExisted) = 0;
    virtual void Release() = 0;
};

} // namespace vardex
