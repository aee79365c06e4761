// The window framework's dialog base: a dialog from a resource template, run
// modally by the system's own modal loop, whose messages go to OnMessage.
#pragma once

#include <windows.h>

namespace vardex::ui {

class CDialogWindow {
public:
    virtual ~CDialogWindow() = default;

    // Runs the dialog of templateId until it ends; its end result.
    INT_PTR RunModal(HWND owner, int templateId);
    HWND Hwnd() const { return m_Hwnd; }
    void End(INT_PTR result) { EndDialog(m_Hwnd, result); }

protected:
    // Returns true when the message was handled, with its result.
    virtual bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) = 0;

private:
    static INT_PTR CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_Hwnd = nullptr;
};

} // namespace vardex::ui
