// CWndShadow: how a shaped window's shadow follows its owner. The shadow is a layered,
// click-through pop-up owned by the window; this class decides when it is moved,
// shown, hidden and rebuilt from the owner's messages, and the host carries it out.
#pragma once

#include "controls/DropShadow.h"

#include <cstdint>

namespace vardex {

// What the window system does for the shadow.
class IShadowHost {
public:
    virtual ~IShadowHost() = default;
    virtual void Move(int x, int y) = 0; // without activating it
    virtual void Show(bool shown) = 0;   // shown without activation
    virtual void Rebuild() = 0;          // a new image from the owner's shape
    virtual void Destroy() = 0;
    // The owner's window rectangle on the screen.
    virtual SRect OwnerRect() = 0;
};

namespace shadowmsg {
inline constexpr std::uint32_t kDestroy = 0x0002;
inline constexpr std::uint32_t kMove = 0x0003;
inline constexpr std::uint32_t kSize = 0x0005;
inline constexpr std::uint32_t kPaint = 0x000F;
inline constexpr std::uint32_t kShowWindow = 0x0018;
inline constexpr std::uint32_t kNcDestroy = 0x0082;
inline constexpr std::uint32_t kExitSizeMove = 0x0232;
inline constexpr std::uintptr_t kSizeMinimised = 1;
inline constexpr std::uintptr_t kSizeMaximised = 2;
} // namespace shadowmsg

enum class EOwnerState { kHidden, kMinimisedOrMaximised, kNormal };

class CWndShadow {
public:
    explicit CWndShadow(IShadowHost& host) : m_Host(host) {}

    // Without the system's layered-window update no shadow is ever created.
    static bool Initialise(bool layeredUpdatePresent) { return s_Available = layeredUpdatePresent; }

    // Attaches the shadow to its owner; false when shadows are not available.
    bool Create(EOwnerState owner);
    void SetParameters(int size, int sharpness, int darkness, int offsetX, int offsetY)
    {
        m_Params.Set(size, sharpness, darkness, offsetX, offsetY);
    }
    void SetColour(std::uint32_t colour) { m_Params.colour = colour; }
    const SShadowParams& Params() const { return m_Params; }

    // Every message of the owner passes here first.
    void OnOwnerMessage(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam);

    bool Enabled() const { return m_Enabled; }
    bool Visible() const { return m_Visible; }
    bool OwnerVisible() const { return m_OwnerVisible; }
    bool RebuildPending() const { return m_RebuildPending; }

private:
    void MoveToOwner();
    void Rebuild();

    static inline bool s_Available = false;

    IShadowHost& m_Host;
    SShadowParams m_Params;
    bool m_Enabled = false;
    bool m_Visible = false;
    bool m_OwnerVisible = false;
    bool m_RebuildPending = false;
    int m_LastWidth = 0;
    int m_LastHeight = 0;
};

} // namespace vardex
