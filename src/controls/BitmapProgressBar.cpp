#include "controls/BitmapProgressBar.h"

#include <algorithm>

namespace vardex {

int CBitmapProgressBar::Setup(const int* frameIds)
{
    if (frameIds == nullptr)
        return 0;
    std::copy_n(frameIds, kFrames, m_FrameIds.begin());
    m_FrameCount = kFrames;
    m_Ratio = 1;
    m_Shown = false;
    m_CurrentFrame = 0;
    return 1;
}

void CBitmapProgressBar::SetRange(int total)
{
    m_CurrentFrame = 0;
    m_Total = total;
    if (total <= 0)
        m_Ratio = 1;
    else if (total > m_FrameCount)
        m_Ratio = total / m_FrameCount;
    else
        m_Ratio = m_FrameCount / total;
    m_Shown = true;
}

bool CBitmapProgressBar::SetPos(int position)
{
    int index = m_Total < m_FrameCount ? position * m_Ratio : position / m_Ratio;
    if (index >= m_FrameCount || position >= m_Total)
        index = m_FrameCount - 1;
    if (index == m_CurrentFrame || index < 0)
        return false;
    m_CurrentFrame = std::min(index, kFrames - 1);
    return true;
}

} // namespace vardex
