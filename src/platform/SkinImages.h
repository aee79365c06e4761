// The skin images port: the bitmaps of a library's own resources, by id, as 32-bit
// pixels.
#pragma once

#include <cstdint>
#include <vector>

namespace vardex {

// Rows from the top, each pixel 0x00RRGGBB.
struct SImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
};

class ISkinImages {
public:
    virtual ~ISkinImages() = default;
    // False when there is no such bitmap or it cannot be loaded.
    virtual bool Load(int id, SImage& image) = 0;
};

} // namespace vardex
