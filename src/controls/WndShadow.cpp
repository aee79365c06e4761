#include "controls/WndShadow.h"

namespace vardex {

bool CWndShadow::Create(EOwnerState owner)
{
    if (!s_Available)
        return false;
    m_Enabled = true;
    m_OwnerVisible = owner != EOwnerState::kHidden;
    m_Visible = owner == EOwnerState::kNormal;
    if (m_Visible) {
        m_Host.Show(true);
        Rebuild();
    }
    return true;
}

void CWndShadow::MoveToOwner()
{
    const SRect owner = m_Host.OwnerRect();
    m_Host.Move(owner.left + m_Params.offsetX - m_Params.size, owner.top + m_Params.offsetY - m_Params.size);
}

void CWndShadow::Rebuild()
{
    m_Host.Rebuild();
    MoveToOwner();
}

void CWndShadow::OnOwnerMessage(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam)
{
    using namespace shadowmsg;
    switch (message) {
    case kDestroy:
        m_Host.Destroy();
        break;
    case kMove:
        if (m_Visible)
            MoveToOwner();
        break;
    case kSize: {
        if (!m_Enabled)
            break;
        if (wParam == kSizeMinimised || wParam == kSizeMaximised) {
            m_Host.Show(false);
            m_Visible = false;
            break;
        }
        if (!m_OwnerVisible)
            break;
        const int width = static_cast<int>(lParam & 0xFFFF);
        const int height = static_cast<int>((lParam >> 16) & 0xFFFF);
        // A grown window is rebuilt when it paints, so the new image matches it.
        if (width > m_LastWidth || height > m_LastHeight)
            m_RebuildPending = true;
        else
            Rebuild();
        if (!m_Visible) {
            m_Host.Show(true);
            m_Visible = true;
        }
        m_LastWidth = width;
        m_LastHeight = height;
        break;
    }
    case kPaint:
        if (m_RebuildPending) {
            Rebuild();
            m_RebuildPending = false;
        }
        break;
    case kShowWindow:
        if (!m_Enabled)
            break;
        if (wParam == 0) {
            m_Host.Show(false);
            m_Visible = m_OwnerVisible = false;
        } else if (!m_OwnerVisible) {
            m_RebuildPending = true;
            m_Host.Show(true);
            m_Visible = m_OwnerVisible = true;
        }
        break;
    case kExitSizeMove:
        if (m_Visible)
            Rebuild();
        break;
    default:
        break;
    }
}

} // namespace vardex
