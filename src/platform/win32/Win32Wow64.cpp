#include "platform/win32/Win32Wow64.h"

#include <windows.h>

namespace vardex {

namespace {

using IsWow64ProcessFn = BOOL(WINAPI*)(HANDLE, PBOOL);
using DisableFn = BOOL(WINAPI*)(PVOID*);
using RevertFn = BOOL(WINAPI*)(PVOID);

template <typename Fn>
Fn FromKernel32(const char* name)
{
    const HMODULE kernel32 = GetModuleHandleA("kernel32");
    if (kernel32 == nullptr)
        return nullptr;
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(kernel32, name)));
}

} // namespace

bool CWin32Wow64::ProcessIsWow64()
{
    const auto isWow64 = FromKernel32<IsWow64ProcessFn>("IsWow64Process");
    BOOL wow64 = FALSE;
    return isWow64 != nullptr && isWow64(GetCurrentProcess(), &wow64) && wow64;
}

bool CWin32Wow64::HasRedirectionControl()
{
    return FromKernel32<DisableFn>("Wow64DisableWow64FsRedirection") != nullptr &&
           FromKernel32<RevertFn>("Wow64RevertWow64FsRedirection") != nullptr;
}

bool CWin32Wow64::DisableRedirection(std::uintptr_t& oldValue)
{
    const auto disable = FromKernel32<DisableFn>("Wow64DisableWow64FsRedirection");
    PVOID old = nullptr;
    if (disable == nullptr || !disable(&old))
        return false;
    oldValue = reinterpret_cast<std::uintptr_t>(old);
    return true;
}

bool CWin32Wow64::RevertRedirection(std::uintptr_t oldValue)
{
    const auto revert = FromKernel32<RevertFn>("Wow64RevertWow64FsRedirection");
    return revert != nullptr && revert(reinterpret_cast<PVOID>(oldValue));
}

} // namespace vardex
