// The soft shadow of a shaped window: its parameters and the image of the layered
// window that carries it, computed from the owner's shape.
#pragma once

#include "controls/Shape.h"

#include <cstdint>
#include <vector>

namespace vardex {

struct SShadowParams {
    int size = 0;        // -20 to 20: how far the shadow reaches beyond the owner
    int sharpness = 5;   // 0 to 20: width of the soft edge
    int darkness = 200;  // 0 to 255: opacity of the solid part
    int offsetX = 0;     // -20 to 20
    int offsetY = 0;
    std::uint32_t colour = 0; // 0x00RRGGBB

    // Sets the five values; a value outside its range is ignored and keeps the old one.
    void Set(int newSize, int newSharpness, int newDarkness, int newOffsetX, int newOffsetY);
};

// The skinned dialogs' shadow.
inline constexpr SShadowParams kDialogShadow = {5, 10, 180, 0, 0, 0};

// One row of the owner: [start, end), empty when start >= end.
struct SSpan {
    int start;
    int end;
};

// The owner's rows from its shape rectangles: from the first to the last pixel inside.
std::vector<SSpan> OwnerSpans(const std::vector<SRect>& shape, int width, int height);

// The kernel value at distance d from an edge pixel: the alpha of the shadow there.
int ShadowAlpha(const SShadowParams& params, double distance);

// The shadow image, (width + 2 size) x (height + 2 size) premultiplied pixels with
// alpha in the top byte, rows from the top.
struct SShadowImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};
SShadowImage BuildShadowImage(const std::vector<SSpan>& owner, int width, int height, const SShadowParams& params);

} // namespace vardex
