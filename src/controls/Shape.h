// A window's shape from its background bitmap: every run of pixels in a row that are
// not exactly the key colour becomes a one-row rectangle; their union is the region.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace vardex {

struct SRect {
    int left;
    int top;
    int right;  // exclusive
    int bottom; // exclusive
    friend bool operator==(const SRect&, const SRect&) = default;
};

// A 32-bit bitmap, rows from the top, each pixel 0x00RRGGBB.
struct SBitmapView {
    int width;
    int height;
    std::span<const std::uint32_t> pixels;
};

constexpr std::uint32_t Rgb(int r, int g, int b)
{
    return static_cast<std::uint32_t>((r << 16) | (g << 8) | b);
}

// The colour that is cut out of the skinned windows: RGB(0, 64, 0).
inline constexpr std::uint32_t kShapeKeyColour = Rgb(0, 64, 0);

std::vector<SRect> ShapeFromBitmap(const SBitmapView& bitmap, std::uint32_t keyColour);

} // namespace vardex
