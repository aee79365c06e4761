// CBitmapSlider: the skinned slider. It maps between the thumb centre in pixels and an
// integer value, follows drags and the navigation keys, and tells its parent about
// every change by posted messages. Its window paints the channel and thumb bitmaps
// where this class says.
#pragma once

#include "platform/WindowRuntime.h"

namespace vardex {

namespace slider {
inline constexpr std::uint32_t kMoving = 0x28D1;   // during a drag, at every change
inline constexpr std::uint32_t kMoved = 0x28D2;    // the button came up, or a key changed it
inline constexpr std::uint32_t kPressed = 0x28D3;  // the button went down on it
inline constexpr unsigned kDialogCodeArrows = 4;   // DLGC_WANTARROWS

// The navigation keys, as virtual-key codes.
inline constexpr unsigned kPageUp = 0x21, kPageDown = 0x22, kEnd = 0x23, kHome = 0x24;
inline constexpr unsigned kLeft = 0x25, kUp = 0x26, kRight = 0x27, kDown = 0x28;
} // namespace slider

class CBitmapSlider {
public:
    CBitmapSlider(IWindowRuntime& windows, WindowHandle parent, unsigned controlId)
        : m_Windows(windows), m_Parent(parent), m_Id(controlId)
    {
    }

    // Sizes of the bitmaps, in pixels, once they are loaded.
    void SetChannelSize(int width, int height);
    void SetThumbSize(int width, int height);
    void SetMargins(int left, int top, int right, int bottom);
    void SetVertical(bool vertical) { m_Vertical = vertical; }
    void SetRange(int minimum, int maximum);
    void SetPage(int size) { m_Page = size; }
    void SetEnabled(bool enabled) { m_Enabled = enabled; }

    // Clamped to the range; never tells the parent.
    void SetPos(int value);
    int GetPos() const { return m_Pos; }

    // The thumb centre along the moving axis for a value, and the value for a pixel.
    int ValueToPixel(int value) const;
    int PixelToValue(int pixel) const;

    // Input, with the coordinate along the moving axis. Each returns whether the
    // control is to be painted again.
    bool OnButtonDown(int coordinate);
    bool OnMouseMove(int coordinate);
    bool OnButtonUp();
    bool OnKey(unsigned key);
    // The answer to the dialog-code query: the arrow keys, unless Tab is held.
    unsigned DialogCode(bool tabDown) const { return tabDown ? 0 : slider::kDialogCodeArrows; }

    // Focus comes and goes; a focused, enabled control shows the dotted rectangle.
    void OnFocus(bool focused) { m_Focused = focused; }
    void SetDrawFocusRect(bool draw) { m_DrawFocusRect = draw; }
    bool ShowsFocusRect() const { return m_DrawFocusRect && m_Focused && m_Enabled; }
    // Whether a click takes the keyboard focus.
    bool FocusOnClick() const { return m_FocusOnClick; }
    void SetFocusOnClick(bool take) { m_FocusOnClick = take; }

    bool Dragging() const { return m_Dragging; }
    int ThumbCentre() const { return ValueToPixel(m_Pos); }

private:
    struct SAxis {
        int lowMargin, highMargin, thumb, length;
    };
    SAxis Axis() const;
    void Notify(std::uint32_t message) { m_Windows.Post(m_Parent, message, m_Id, m_Pos); }

    IWindowRuntime& m_Windows;
    WindowHandle m_Parent;
    unsigned m_Id;
    int m_Max = 100;
    int m_Min = 0;
    int m_Pos = 0;
    int m_Page = 20;
    bool m_Vertical = false;
    int m_Width = 0, m_Height = 0;
    int m_ThumbWidth = 0, m_ThumbHeight = 0;
    int m_MarginLeft = 0, m_MarginRight = 0, m_MarginTop = 0, m_MarginBottom = 0;
    int m_DragOffset = 0;
    bool m_Dragging = false;
    bool m_Enabled = true;
    bool m_Focused = false;
    bool m_DrawFocusRect = true;
    bool m_FocusOnClick = true;
};

} // namespace vardex
