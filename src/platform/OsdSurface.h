// The display window as its behaviour drives it: shown and hidden, shaped, moved and
// repainted; and what it needs to know of the screen and the pointer.
#pragma once

#include "controls/Shape.h"

#include <cstdint>
#include <vector>

namespace vardex {

class IOsdSurface {
public:
    virtual ~IOsdSurface() = default;

    // Makes the window layered with this constant alpha; false when the system offers
    // no way to (the window then stays opaque).
    virtual bool SetAlpha(std::uint8_t alpha) = 0;
    virtual void Show() = 0; // the ordinary show command, which also activates
    virtual void Hide() = 0;
    virtual void SetShape(const std::vector<SRect>& rows) = 0; // with redraw
    virtual void Invalidate() = 0;
    virtual void Move(int x, int y, int width, int height) = 0;
    // Whether the pointer is inside the window's rectangle now.
    virtual bool CursorInside() = 0;
    virtual int ScreenWidth() = 0;
    virtual int ScreenHeight() = 0;
};

} // namespace vardex
