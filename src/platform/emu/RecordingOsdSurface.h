// A display window that records what its behaviour did to it.
#pragma once

#include "platform/OsdSurface.h"

namespace vardex {

class CRecordingOsdSurface final : public IOsdSurface {
public:
    bool SetAlpha(std::uint8_t value) override
    {
        alpha = value;
        return layeredAvailable;
    }
    void Show() override
    {
        visible = true;
        ++shows;
    }
    void Hide() override { visible = false; }
    void SetShape(const std::vector<SRect>& rows) override
    {
        shape = rows;
        ++shapes;
    }
    void Invalidate() override { ++invalidations; }
    void Move(int x, int y, int w, int h) override { placement = {x, y, x + w, y + h}; }
    bool CursorInside() override { return cursorInside; }
    int ScreenWidth() override { return screenWidth; }
    int ScreenHeight() override { return screenHeight; }

    bool layeredAvailable = true;
    std::uint8_t alpha = 255;
    bool visible = false;
    int shows = 0;
    int shapes = 0;
    int invalidations = 0;
    std::vector<SRect> shape;
    SRect placement{};
    bool cursorInside = false;
    int screenWidth = 1280;
    int screenHeight = 1024;
};

} // namespace vardex
