#include "controls/BitmapSlider.h"

#include <algorithm>
#include <cstdlib>

namespace vardex {

void CBitmapSlider::SetChannelSize(int width, int height)
{
    m_Width = width;
    m_Height = height;
}

void CBitmapSlider::SetThumbSize(int width, int height)
{
    m_ThumbWidth = width;
    m_ThumbHeight = height;
}

void CBitmapSlider::SetMargins(int left, int top, int right, int bottom)
{
    m_MarginLeft = left;
    m_MarginTop = top;
    m_MarginRight = right;
    m_MarginBottom = bottom;
}

void CBitmapSlider::SetRange(int minimum, int maximum)
{
    m_Min = minimum;
    m_Max = maximum;
}

void CBitmapSlider::SetPos(int value)
{
    m_Pos = std::clamp(value, m_Min, std::max(m_Min, m_Max));
}

CBitmapSlider::SAxis CBitmapSlider::Axis() const
{
    if (m_Vertical)
        return {m_MarginTop, m_MarginBottom, m_ThumbHeight, m_Height};
    return {m_MarginLeft, m_MarginRight, m_ThumbWidth, m_Width};
}

int CBitmapSlider::ValueToPixel(int value) const
{
    const SAxis a = Axis();
    const double span = m_Max - m_Min;
    const double travel = a.length - a.highMargin - a.thumb - a.lowMargin;
    const int offset = span == 0 ? 0 : static_cast<int>(travel * (value - m_Min) / span);
    return a.lowMargin + offset + a.thumb / 2;
}

int CBitmapSlider::PixelToValue(int pixel) const
{
    const SAxis a = Axis();
    const double travel = a.length - a.highMargin - a.lowMargin - a.thumb;
    if (travel == 0)
        return m_Min;
    return static_cast<int>(m_Min + (pixel - a.thumb / 2 - a.lowMargin) / travel * (m_Max - m_Min));
}

bool CBitmapSlider::OnButtonDown(int coordinate)
{
    if (!m_Enabled)
        return false;
    m_Dragging = true;
    const int d = coordinate - ThumbCentre();
    m_DragOffset = std::abs(d) > Axis().thumb / 2 ? 0 : d;
    Notify(slider::kPressed);
    OnMouseMove(coordinate);
    return true;
}

bool CBitmapSlider::OnMouseMove(int coordinate)
{
    if (!m_Enabled || !m_Dragging)
        return false;
    const SAxis a = Axis();
    const int low = a.lowMargin + a.thumb / 2;
    const int high = a.length - a.highMargin - a.thumb / 2;
    const int x = std::clamp(coordinate - m_DragOffset, low, std::max(low, high));
    if (x == ThumbCentre())
        return false;
    SetPos(PixelToValue(x));
    Notify(slider::kMoving);
    return true;
}

bool CBitmapSlider::OnButtonUp()
{
    if (!m_Enabled)
        return false;
    m_Dragging = false;
    Notify(slider::kMoved);
    return true;
}

bool CBitmapSlider::OnKey(unsigned key)
{
    if (!m_Enabled)
        return false;
    int value = m_Pos;
    switch (key) {
    case slider::kPageUp: value -= m_Page; break;
    case slider::kPageDown: value += m_Page; break;
    case slider::kEnd: value = m_Max; break;
    case slider::kHome: value = m_Min; break;
    case slider::kRight:
    case slider::kDown: value += 1; break;
    case slider::kLeft:
    case slider::kUp: value -= 1; break;
    default: return false;
    }
    SetPos(value);
    Notify(slider::kMoved);
    return true;
}

} // namespace vardex
