#include "platform/win32/ui/SkinPainter.h"

#include "controls/Shape.h"

#include <vector>

namespace vardex::ui {

CSkinPainter::~CSkinPainter()
{
    for (auto& [id, bitmap] : m_Bitmaps)
        DeleteObject(bitmap);
}

HBITMAP CSkinPainter::Bitmap(int id)
{
    auto it = m_Bitmaps.find(id);
    if (it != m_Bitmaps.end())
        return it->second;
    auto* bitmap = static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    m_Bitmaps[id] = bitmap;
    return bitmap;
}

SIZE CSkinPainter::Size(int id)
{
    BITMAP info{};
    if (HBITMAP bitmap = Bitmap(id))
        GetObjectW(bitmap, sizeof info, &info);
    return {info.bmWidth, info.bmHeight};
}

bool CSkinPainter::ShapeWindow(HWND window, int id)
{
    HBITMAP bitmap = Bitmap(id);
    if (!bitmap)
        return false;
    const SIZE size = Size(id);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), size.cx, -size.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size.cx) * size.cy);
    HDC screen = GetDC(nullptr);
    const int rows = GetDIBits(screen, bitmap, 0, size.cy, pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows != size.cy)
        return false;
    for (auto& p : pixels)
        p &= 0x00FFFFFF;
    HRGN shape = CreateRectRgn(0, 0, 0, 0);
    for (const SRect& r : ShapeFromBitmap({size.cx, size.cy, pixels}, kShapeKeyColour)) {
        HRGN row = CreateRectRgn(r.left, r.top, r.right, r.bottom);
        CombineRgn(shape, shape, row, RGN_OR);
        DeleteObject(row);
    }
    SetWindowRgn(window, shape, TRUE); // the window owns the region now
    return true;
}

void CSkinPainter::Draw(HDC dc, int id, int x, int y)
{
    HBITMAP bitmap = Bitmap(id);
    if (!bitmap)
        return;
    const SIZE size = Size(id);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(dc, x, y, size.cx, size.cy, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
}

void CSkinPainter::DrawState(HDC dc, int stripId, int state, const RECT& target)
{
    HBITMAP bitmap = Bitmap(stripId);
    if (!bitmap)
        return;
    const SIZE size = Size(stripId);
    const int w = size.cx / 4;
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(dc, target.left, target.top, w, size.cy, memory, w * state, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
}

void CSkinPainter::DrawBackgroundUnder(HDC dc, int backgroundId, HWND control, const RECT& target)
{
    HBITMAP bitmap = Bitmap(backgroundId);
    if (!bitmap)
        return;
    POINT origin{0, 0};
    MapWindowPoints(control, GetParent(control), &origin, 1);
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(dc, target.left, target.top, target.right - target.left, target.bottom - target.top, memory,
           origin.x + target.left, origin.y + target.top, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
}

} // namespace vardex::ui
