#include "platform/win32/Win32InstanceLock.h"

#include <windows.h>

namespace vardex {

bool CWin32InstanceLock::Acquire(const std::wstring& name, bool& alreadyExisted)
{
    Release();
    m_Mutex = CreateMutexW(nullptr, TRUE, name.c_str());
    alreadyExisted = GetLastError() == ERROR_ALREADY_EXISTS;
    return m_Mutex != nullptr;
}

void CWin32InstanceLock::Release()
{
    if (!m_Mutex)
        return;
    ReleaseMutex(m_Mutex);
    CloseHandle(m_Mutex);
    m_Mutex = nullptr;
}

} // namespace vardex
