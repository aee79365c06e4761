// The spin-lock port: the driver's status record is shared by the read completion
// routine (any processor, up to dispatch level) and the control device's handlers.
#pragma once

namespace vardex {

class ISpinLock {
public:
    virtual ~ISpinLock() = default;
    virtual void Acquire() = 0;
    virtual void Release() = 0;
};

class CSpinLockGuard {
public:
    explicit CSpinLockGuard(ISpinLock& lock) : m_Lock(lock) { m_Lock.Acquire(); }
    ~CSpinLockGuard() { m_Lock.Release(); }
    CSpinLockGuard(const CSpinLockGuard&) = delete;
    CSpinLockGuard& operator=(const CSpinLockGuard&) = delete;

private:
    ISpinLock& m_Lock;
};

} // namespace vardex
