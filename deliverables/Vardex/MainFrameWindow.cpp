#include "MainFrameWindow.h"

#include "DeviceSelectWindow.h"
#include "SkinDlgWindow.h"
#include "app/SkinLayout.h"

namespace vardex {

namespace ly = layout;

MainFrameWindow::MainFrameWindow(CMainFrameDlg& dialog)
    : m_Dialog(dialog),
      m_LabelFont(CreateFontW(-13, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, CLEARTYPE_QUALITY, 0,
                              L"Tahoma")),
      m_MessageFont(CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0,
                                CLEARTYPE_QUALITY, 0, L"Tahoma"))
{
}

MainFrameWindow::~MainFrameWindow()
{
    DeleteObject(m_LabelFont);
    DeleteObject(m_MessageFont);
}

void MainFrameWindow::PlaceControls()
{
    auto place = [this](const ly::SBox& box) { MoveWindow(GetDlgItem(Hwnd(), box.id), box.x, box.y, box.w, box.h, FALSE); };
    const bool page = m_Dialog.Mode() == frame::kModePage;
    place(page ? ly::kPageExit : ly::kSmallExit);
    place(ly::kLoadingBar);
    place(ly::kPageMinimise);
    place(ly::kPageHide);
    for (const ly::SBox& box : ly::kProfileButtons)
        place(box);
    for (const ly::SBox& box : ly::kCommandButtons)
        place(box);
    for (const ly::SBox& box : ly::kStopwatchButtons)
        place(box);
    for (int u = 0; u < frame::kPageButtons; ++u)
        place(ly::PanelLabel(u));
}

void MainFrameWindow::ShowView(int mode)
{
    const SViewSpec view = ViewOf(mode);
    m_Background = view.background;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - view.width) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - view.height) / 2;
    SetWindowPos(Hwnd(), nullptr, x, y, view.width, view.height, SWP_NOZORDER | SWP_NOACTIVATE);
    m_Painter.ShapeWindow(Hwnd(), view.background);
    PlaceControls();
    InvalidateRect(Hwnd(), nullptr, TRUE);
}

void MainFrameWindow::Refresh()
{
    for (HWND child = GetWindow(Hwnd(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const SControlState& state = m_Dialog.Control(GetDlgCtrlID(child));
        ShowWindow(child, state.shown ? SW_SHOWNA : SW_HIDE);
        EnableWindow(child, state.enabled);
        InvalidateRect(child, nullptr, FALSE);
    }
}

void MainFrameWindow::RedrawControl(int id)
{
    HWND control = GetDlgItem(Hwnd(), id);
    InvalidateRect(control, nullptr, FALSE);
    UpdateWindow(control);
}

int MainFrameWindow::StripOf(int id) const
{
    if (id == frame::kExit)
        return ly::strip::kClose;
    if (id == frame::kMinimise)
        return ly::strip::kMinimise;
    if (id == frame::kHide)
        return ly::strip::kHide;
    if (id >= frame::kProfileFirst && id < frame::kProfileFirst + frame::kProfileCount)
        return ly::strip::kProfileFirst + id - frame::kProfileFirst;
    for (int i = 0; i < 9; ++i)
        if (ly::kCommandButtons[i].id == id)
            return ly::strip::kCommandFirst + i;
    for (int i = 0; i < 3; ++i)
        if (ly::kStopwatchButtons[i].id == id)
            return ly::strip::kStopwatchFirst + i;
    return 0;
}

void MainFrameWindow::DrawItem(const DRAWITEMSTRUCT& item)
{
    const int id = static_cast<int>(item.CtlID);
    const SControlState& state = m_Dialog.Control(id);
    m_Painter.DrawBackgroundUnder(item.hDC, m_Background, item.hwndItem, item.rcItem);
    if (id == frame::kLoadingBar) {
        if (m_Dialog.LoadingBar().Shown())
            m_Painter.Draw(item.hDC, m_Dialog.LoadingBar().CurrentFrameId(), 0, 0);
        return;
    }
    if (id >= frame::kLabelFirst && id < frame::kLabelFirst + frame::kPageButtons) {
        HGDIOBJ old = SelectObject(item.hDC, m_LabelFont);
        SetBkMode(item.hDC, TRANSPARENT);
        SetTextColor(item.hDC, RGB(225, 225, 225));
        RECT text = item.rcItem;
        text.left += 10;
        DrawTextW(item.hDC, state.text.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
        SelectObject(item.hDC, old);
        return;
    }
    const int visual = (item.itemState & ODS_DISABLED) ? 3
                       : (item.itemState & ODS_SELECTED) || state.highlighted ? 2
                                                                              : 0;
    m_Painter.DrawState(item.hDC, StripOf(id), visual, item.rcItem);
}

int MainFrameWindow::RunDeviceSelection(CDeviceSelectDlg& dialog)
{
    DeviceSelectWindow window(dialog);
    return static_cast<int>(window.RunModal(Hwnd(), 701));
}

int MainFrameWindow::RunSkinDlg(CSkinDlg& dialog)
{
    const HWND outer = m_SkinWindow; // a question may open over a progress showing
    vardex::SkinDlgWindow window(dialog, m_Painter, m_MessageFont, m_SkinWindow);
    const INT_PTR result = window.RunModal(Hwnd(), 702);
    m_SkinWindow = outer;
    return static_cast<int>(result);
}

void MainFrameWindow::EndSkinDlg(int result)
{
    if (m_SkinWindow)
        ::EndDialog(m_SkinWindow, result);
}

bool MainFrameWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result)
{
    switch (message) {
    case WM_INITDIALOG:
        SendMessageW(Hwnd(), WM_SETICON, ICON_SMALL,
                     reinterpret_cast<LPARAM>(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(ly::kIcon))));
        SendMessageW(Hwnd(), WM_SETICON, ICON_BIG,
                     reinterpret_cast<LPARAM>(LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(ly::kIcon))));
        SetWindowTextW(Hwnd(), m_Dialog.Texts().Ui(0).c_str());
        m_Dialog.OnInitDialog(reinterpret_cast<WindowHandle>(Hwnd()), *this);
        Refresh();
        result = FALSE; // no control takes the focus: the window has no keyboard handling
        return true;
    case WM_ERASEBKGND:
        m_Painter.Draw(reinterpret_cast<HDC>(wParam), m_Background, 0, 0);
        result = TRUE;
        return true;
    case WM_PAINT:
        m_Dialog.OnPaint();
        return false;
    case WM_NCHITTEST: {
        POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        ScreenToClient(Hwnd(), &point);
        result = m_Dialog.IsCaption(point.y) ? HTCAPTION : HTCLIENT;
        return true;
    }
    case WM_DRAWITEM:
        DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        result = TRUE;
        return true;
    case WM_TIMER:
        m_Dialog.OnTimer(static_cast<unsigned>(wParam));
        return true;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDCANCEL && lParam == 0)
            return true; // Escape does nothing; closing comes through WM_CLOSE
        if (LOWORD(wParam) == IDOK && lParam == 0)
            return true;
        m_Dialog.OnCommand(LOWORD(wParam));
        return true;
    case WM_CLOSE:
        m_Dialog.OnCancel();
        return true;
    default:
        return false;
    }
}

} // namespace vardex
