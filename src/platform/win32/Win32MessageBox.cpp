#include "platform/win32/Win32MessageBox.h"

#include <windows.h>

namespace vardex {

int CWin32MessageBox::Show(WindowHandle owner, const std::wstring& text, const std::wstring& caption,
                           unsigned style)
{
    return MessageBoxW(reinterpret_cast<HWND>(owner), text.c_str(), caption.c_str(), style);
}

} // namespace vardex
