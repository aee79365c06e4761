// The window of CSkinDlg (dialog 702): its background and shape by mode, the
// buttons, text and progress frames the class arranges.
#pragma once

#include "dialogs/SkinDlg.h"
#include "platform/win32/ui/DialogWindow.h"
#include "platform/win32/ui/SkinPainter.h"

namespace vardex {

class SkinDlgWindow final : public ui::CDialogWindow {
public:
    // open receives the window while it exists, so the owner can report progress to it.
    SkinDlgWindow(CSkinDlg& dialog, ui::CSkinPainter& painter, HFONT font, HWND& open)
        : m_Dialog(dialog), m_Painter(painter), m_Font(font), m_Open(open)
    {
    }

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    void Arrange();
    void DrawItem(const DRAWITEMSTRUCT& item);

    CSkinDlg& m_Dialog;
    ui::CSkinPainter& m_Painter;
    HFONT m_Font;
    HWND& m_Open;
};

} // namespace vardex
