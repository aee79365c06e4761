#include "controls/HoverButton.h"

namespace vardex {

int HoverImage(bool selected, bool hover, bool enabled)
{
    if (selected)
        return hover::kPressed;
    if (!enabled)
        return hover::kDisabled;
    return hover ? hover::kHover : hover::kNormal;
}

SImageSize StripImageSize(int stripWidth, int stripHeight, bool horizontal)
{
    if (horizontal)
        return {stripWidth / hover::kStripImages, stripHeight};
    return {stripWidth, stripHeight / hover::kStripImages};
}

std::uint32_t BlendOver(std::uint32_t background, std::uint32_t image)
{
    const std::uint32_t alpha = image >> 24;
    if (alpha == 0)
        return background;
    std::uint32_t out = alpha << 24;
    for (int shift = 0; shift < 24; shift += 8) {
        const std::uint32_t b = (background >> shift) & 0xFF;
        const std::uint32_t i = (image >> shift) & 0xFF;
        out |= ((b * (255 - alpha) + i * alpha) / 256) << shift;
    }
    return out;
}

bool CHoverButtonEx::OnMouseMove()
{
    if (m_Tracking)
        return false;
    m_Tracking = true;
    return true;
}

bool CHoverButtonEx::OnMouseHover()
{
    const bool changed = !m_Hover;
    m_Hover = true;
    return changed;
}

bool CHoverButtonEx::OnMouseLeave()
{
    const bool changed = m_Hover;
    m_Hover = false;
    m_Tracking = false;
    return changed;
}

void CHoverButtonEx2::SetLabel(const std::wstring* text, const SRect* rect)
{
    if (text == nullptr) {
        m_Label.text.clear();
        m_Label.on = false;
        return;
    }
    m_Label.text = text->substr(0, kLabelChars);
    m_Label.firstColour = Rgb(228, 228, 228);
    m_Label.secondColour = Rgb(75, 75, 75);
    if (rect)
        m_Label.rect = *rect;
    m_Label.on = true;
}

CHoverButtonEx4::CHoverButtonEx4(IWindowRuntime& windows) : m_Windows(windows)
{
    m_Label.rect = {55, 27, 195, 52};
    m_Label.firstColour = Rgb(255, 255, 255);
    m_Label.secondColour = Rgb(124, 143, 151);
    m_Label.useFirst = true;
    m_Label.format = 0x8034; // single line, vertically centred, word break, end ellipsis
}

void CHoverButtonEx4::TellPartners(std::uint32_t message)
{
    for (WindowHandle partner : m_Partners)
        if (partner != 0)
            m_Windows.Post(partner, message, 0, 0);
}

bool CHoverButtonEx4::OnMouseHover()
{
    const bool changed = CHoverButtonEx2::OnMouseHover();
    if (changed)
        TellPartners(hover::kMouseHover);
    return changed;
}

bool CHoverButtonEx4::OnMouseLeave()
{
    const bool changed = CHoverButtonEx2::OnMouseLeave();
    if (changed)
        TellPartners(hover::kMouseLeave);
    return changed;
}

} // namespace vardex
