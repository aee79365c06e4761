#include "SkinDlgWindow.h"

#include "app/SkinLayout.h"

namespace vardex {

namespace ly = layout;

void SkinDlgWindow::Arrange()
{
    const SIZE size = m_Painter.Size(m_Dialog.Mode());
    SetWindowPos(Hwnd(), HWND_TOP, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER);
    m_Painter.ShapeWindow(Hwnd(), m_Dialog.Mode());
    // Centred over the main window.
    RECT owner{}, self{};
    GetWindowRect(GetWindow(Hwnd(), GW_OWNER) ? GetWindow(Hwnd(), GW_OWNER) : GetDesktopWindow(), &owner);
    GetWindowRect(Hwnd(), &self);
    SetWindowPos(Hwnd(), HWND_TOP, (owner.left + owner.right - size.cx) / 2, (owner.top + owner.bottom - size.cy) / 2,
                 0, 0, SWP_NOSIZE);

    const SSkinLayout& layout = m_Dialog.Layout();
    auto place = [this](int id, bool shown, int x, int y, int w, int h) {
        HWND control = GetDlgItem(Hwnd(), id);
        MoveWindow(control, x, y, w, h, FALSE);
        ShowWindow(control, shown ? SW_SHOW : SW_HIDE);
    };
    place(skin::kButtonYes, layout.yes.shown, layout.yes.x, layout.yes.y, ly::kSkinButtonWidth, ly::kSkinButtonHeight);
    place(skin::kButtonNo, layout.no.shown, layout.no.x, layout.no.y, ly::kSkinButtonWidth, ly::kSkinButtonHeight);
    place(skin::kText, layout.textShown && !m_Dialog.Text().empty(), ly::kSkinText.x, ly::kSkinText.y,
          ly::kSkinText.w, ly::kSkinText.h);
    place(skin::kProgress, layout.progressShown, ly::kSkinProgress.x, ly::kSkinProgress.y, ly::kSkinProgress.w,
          ly::kSkinProgress.h);
    for (const ly::SBox& option : ly::kSkinOptions)
        place(option.id, layout.optionsShown, option.x, option.y, option.w, option.h);
}

void SkinDlgWindow::DrawItem(const DRAWITEMSTRUCT& item)
{
    const int id = static_cast<int>(item.CtlID);
    const SSkinLayout& layout = m_Dialog.Layout();
    m_Painter.DrawBackgroundUnder(item.hDC, m_Dialog.Mode(), item.hwndItem, item.rcItem);
    const int state = (item.itemState & ODS_DISABLED) ? 3 : (item.itemState & ODS_SELECTED) ? 2 : 0;
    if (id == skin::kButtonYes)
        m_Painter.DrawState(item.hDC, layout.okImage ? ly::strip::kOk : ly::strip::kYes, state, item.rcItem);
    else if (id == skin::kButtonNo)
        m_Painter.DrawState(item.hDC, ly::strip::kNo, state, item.rcItem);
    else if (id >= skin::kOptionFirst && id <= skin::kOptionLast) {
        const bool selected = m_Dialog.Option() == id - skin::kOptionFirst;
        m_Painter.DrawState(item.hDC, ly::strip::kOptionFirst + (selected ? 3 : 0) + id - skin::kOptionFirst, state,
                            item.rcItem);
    } else if (id == skin::kProgress && m_Dialog.Progress().Shown()) {
        m_Painter.Draw(item.hDC, m_Dialog.Progress().CurrentFrameId(), 0, 0);
    } else if (id == skin::kText) {
        HGDIOBJ old = SelectObject(item.hDC, m_Font);
        SetBkMode(item.hDC, TRANSPARENT);
        SetTextColor(item.hDC, RGB(220, 220, 220));
        RECT text = item.rcItem;
        DrawTextW(item.hDC, m_Dialog.Text().c_str(), -1, &text, DT_WORDBREAK | DT_NOPREFIX);
        SelectObject(item.hDC, old);
    }
}

bool SkinDlgWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result)
{
    switch (message) {
    case WM_INITDIALOG:
        m_Open = Hwnd();
        m_Dialog.OnInitDialog(reinterpret_cast<std::uintptr_t>(Hwnd()));
        Arrange();
        result = TRUE;
        return true;
    case WM_ERASEBKGND:
        m_Painter.Draw(reinterpret_cast<HDC>(wParam), m_Dialog.Mode(), 0, 0);
        result = TRUE;
        return true;
    case WM_NCHITTEST: // dragged by any point of its surface
        result = HTCAPTION;
        return true;
    case WM_DRAWITEM:
        DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        result = TRUE;
        return true;
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        if (id == IDCANCEL && lParam == 0) // Escape is no answer here
            return true;
        if (const int end = m_Dialog.OnCommand(id))
            End(end);
        InvalidateRect(Hwnd(), nullptr, TRUE);
        return true;
    }
    case WM_CLOSE:
        End(m_Dialog.OnClose());
        return true;
    case WM_DESTROY:
        m_Open = nullptr;
        return false;
    case 0x1000: // a progress report
        result = m_Dialog.OnProgress(wParam, lParam);
        InvalidateRect(GetDlgItem(Hwnd(), skin::kProgress), nullptr, FALSE);
        return true;
    default:
        return false;
    }
}

} // namespace vardex
