// Drawing the skin: bitmaps from the program's resources, the window shape cut from
// a background, owner-drawn controls painted over their slice of the background.
#pragma once

#include <windows.h>

#include <map>
#include <string>

namespace vardex::ui {

class CSkinPainter {
public:
    ~CSkinPainter();

    // A bitmap resource, loaded once and kept; null when missing.
    HBITMAP Bitmap(int id);
    SIZE Size(int id);
    // The window's shape from background id (key colour cut away); false when missing.
    bool ShapeWindow(HWND window, int id);
    // Draws bitmap id at (x, y); for a strip, only state's part of width w.
    void Draw(HDC dc, int id, int x, int y);
    void DrawState(HDC dc, int stripId, int state, const RECT& target);
    // The background's part under a control, so that a control paints as if transparent.
    void DrawBackgroundUnder(HDC dc, int backgroundId, HWND control, const RECT& target);

private:
    std::map<int, HBITMAP> m_Bitmaps;
};

} // namespace vardex::ui
