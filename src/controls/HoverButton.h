// The hover buttons: owner-drawn buttons that show one of four images from a strip,
// light up while the pointer rests on them, and, in the panel form, light up their two
// partners with them. These classes decide what is drawn; their windows draw it.
#pragma once

#include "controls/Shape.h"
#include "platform/WindowRuntime.h"

#include <array>
#include <string>

namespace vardex {

namespace hover {
inline constexpr int kNormal = 0;
inline constexpr int kPressed = 1;
inline constexpr int kHover = 2;
inline constexpr int kDisabled = 3;
inline constexpr int kStripImages = 4;
inline constexpr unsigned kHoverTimeMs = 1;
inline constexpr unsigned kTooltipDelayMs = 2000;
inline constexpr std::uint32_t kMouseHover = 0x02A1; // WM_MOUSEHOVER
inline constexpr std::uint32_t kMouseLeave = 0x02A3; // WM_MOUSELEAVE
} // namespace hover

// The state image to draw. A disabled button never shows its hover image.
int HoverImage(bool selected, bool hover, bool enabled);

// The size of one state image of a strip.
struct SImageSize {
    int width;
    int height;
};
SImageSize StripImageSize(int stripWidth, int stripHeight, bool horizontal);

// One pixel of a state image with alpha, put over the parent's pixel.
std::uint32_t BlendOver(std::uint32_t background, std::uint32_t image);

class CHoverButtonEx {
public:
    virtual ~CHoverButtonEx() = default;

    // The pointer moved over the button: true when hover and leave notices are to be
    // requested (the first movement only).
    bool OnMouseMove();
    // The notices; each returns whether the hover state changed.
    virtual bool OnMouseHover();
    virtual bool OnMouseLeave();

    bool Hover() const { return m_Hover; }
    bool Tracking() const { return m_Tracking; }
    void SetTooltip(const std::wstring& text) { m_Tooltip = text; }
    const std::wstring& Tooltip() const { return m_Tooltip; }

private:
    bool m_Hover = false;
    bool m_Tracking = false;
    std::wstring m_Tooltip;
};

struct SButtonLabel {
    std::wstring text;
    bool on = false;
    SRect rect{0, 0, 0, 0};
    std::uint32_t firstColour = Rgb(228, 228, 228);
    std::uint32_t secondColour = Rgb(75, 75, 75);
    bool useFirst = true;
    unsigned format = 0;
};

class CHoverButtonEx2 : public CHoverButtonEx {
public:
    static constexpr std::size_t kLabelChars = 32;

    // With a text the label is switched on in the two standard colours; without one
    // it is cleared and switched off.
    void SetLabel(const std::wstring* text, const SRect* rect = nullptr);
    const SButtonLabel& Label() const { return m_Label; }
    std::uint32_t LabelColour() const { return m_Label.useFirst ? m_Label.firstColour : m_Label.secondColour; }
    void UseFirstColour(bool first) { m_Label.useFirst = first; }

protected:
    SButtonLabel m_Label;
};

// The panel form: its two partners light up and go dark with it.
class CHoverButtonEx4 : public CHoverButtonEx2 {
public:
    explicit CHoverButtonEx4(IWindowRuntime& windows);

    void SetPartners(WindowHandle first, WindowHandle second) { m_Partners = {first, second}; }
    bool OnMouseHover() override;
    bool OnMouseLeave() override;

private:
    void TellPartners(std::uint32_t message);

    IWindowRuntime& m_Windows;
    std::array<WindowHandle, 2> m_Partners{};
};

} // namespace vardex
