#include "platform/win32/Win32WindowRuntime.h"

#include <windows.h>

namespace vardex {

namespace {
HWND Hwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }
} // namespace

bool CWin32WindowRuntime::Post(WindowHandle window, std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam)
{
    return PostMessageW(Hwnd(window), message, wParam, lParam) != 0;
}

std::intptr_t CWin32WindowRuntime::Send(WindowHandle window, std::uint32_t message, std::uintptr_t wParam,
                                        std::intptr_t lParam)
{
    return SendMessageW(Hwnd(window), message, wParam, lParam);
}

bool CWin32WindowRuntime::StartTimer(WindowHandle window, unsigned id, unsigned intervalMs)
{
    return SetTimer(Hwnd(window), id, intervalMs, nullptr) != 0;
}

bool CWin32WindowRuntime::StopTimer(WindowHandle window, unsigned id)
{
    return KillTimer(Hwnd(window), id) != 0;
}

std::wstring CWin32WindowRuntime::ClassName(WindowHandle window)
{
    if (!window || !IsWindow(Hwnd(window)))
        return {};
    wchar_t name[256] = {};
    const int length = GetClassNameW(Hwnd(window), name, 256);
    return std::wstring(name, length > 0 ? length : 0);
}

} // namespace vardex
