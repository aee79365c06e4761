#include "platform/win32/ui/DialogWindow.h"

namespace vardex::ui {

INT_PTR CDialogWindow::RunModal(HWND owner, int templateId)
{
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId), owner, Procedure,
                           reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK CDialogWindow::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        reinterpret_cast<CDialogWindow*>(lParam)->m_Hwnd = hwnd;
    }
    auto* self = reinterpret_cast<CDialogWindow*>(GetWindowLongPtrW(hwnd, DWLP_USER));
    if (!self)
        return FALSE;
    INT_PTR result = 0;
    if (!self->OnMessage(message, wParam, lParam, result))
        return FALSE;
    // Results of these messages are returned directly; others through DWLP_MSGRESULT.
    switch (message) {
    case WM_INITDIALOG:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
        return result;
    default:
        SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, result);
        return TRUE;
    }
}

} // namespace vardex::ui
