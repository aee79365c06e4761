// The window of CDeviceSelectDlg (dialog 701): the list of mice, OK and Cancel.
#pragma once

#include "app/DeviceSelectDlg.h"
#include "platform/win32/ui/DialogWindow.h"

namespace vardex {

class DeviceSelectWindow final : public ui::CDialogWindow {
public:
    explicit DeviceSelectWindow(CDeviceSelectDlg& dialog) : m_Dialog(dialog) {}

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM, INT_PTR& result) override
    {
        HWND list = GetDlgItem(Hwnd(), select::kList);
        switch (message) {
        case WM_INITDIALOG:
            m_Dialog.OnInitDialog();
            for (const std::wstring& item : m_Dialog.Items())
                SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
            SendMessageW(list, CB_SETCURSEL, 0, 0);
            result = TRUE;
            return true;
        case WM_COMMAND:
            if (LOWORD(wParam) == select::kList && HIWORD(wParam) == CBN_SELCHANGE)
                m_Dialog.OnSelectionChange(static_cast<int>(SendMessageW(list, CB_GETCURSEL, 0, 0)));
            else if (LOWORD(wParam) == IDOK)
                End(m_Dialog.OnOk());
            else if (LOWORD(wParam) == IDCANCEL)
                End(m_Dialog.OnCancel());
            return true;
        default:
            return false;
        }
    }

private:
    CDeviceSelectDlg& m_Dialog;
};

} // namespace vardex
