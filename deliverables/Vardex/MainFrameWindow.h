// The window of CMainFrameDlg (dialog 700): the view's background and shape, the
// skinned controls placed by the skin's layout, and every message handed to the class.
#pragma once

#include "app/MainFrameDlg.h"
#include "platform/win32/ui/DialogWindow.h"
#include "platform/win32/ui/SkinPainter.h"

namespace vardex {

class MainFrameWindow final : public ui::CDialogWindow, public IMainFrameWindow {
public:
    explicit MainFrameWindow(CMainFrameDlg& dialog);
    ~MainFrameWindow() override;

    void Run() { RunModal(nullptr, 700); }

    // IMainFrameWindow
    void ShowView(int mode) override;
    void Refresh() override;
    void RedrawControl(int id) override;
    void Hide() override { ShowWindow(Hwnd(), SW_HIDE); }
    void Minimise() override { ShowWindow(Hwnd(), SW_MINIMIZE); }
    void EndDialog(int result) override { End(result); }
    int RunDeviceSelection(CDeviceSelectDlg& dialog) override;
    int RunSkinDlg(CSkinDlg& dialog) override;
    WindowHandle SkinDlgWindow() override { return reinterpret_cast<WindowHandle>(m_SkinWindow); }
    void EndSkinDlg(int result) override;

protected:
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

private:
    void PlaceControls();
    void DrawItem(const DRAWITEMSTRUCT& item);
    int StripOf(int id) const;

    CMainFrameDlg& m_Dialog;
    ui::CSkinPainter m_Painter;
    HFONT m_LabelFont;
    HFONT m_MessageFont;
    HWND m_SkinWindow = nullptr;
    int m_Background = 0;
};

} // namespace vardex
