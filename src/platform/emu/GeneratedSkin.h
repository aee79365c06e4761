// Stand-in images for the display until the skin's bitmaps exist: every image has its
// real size, a key-coloured frame two pixels wide with cut corners, and a body whose
// colour tells the image's id (Rgb(0x20, id - 256, 0x60)), so a test can read which
// image landed where.
#pragma once

#include "platform/SkinImages.h"

#include <set>

namespace vardex {

class CGeneratedSkin final : public ISkinImages {
public:
    static constexpr int kFrame = 2;

    bool Load(int id, SImage& image) override;
    static std::uint32_t BodyColour(int id);

    std::set<int> missing; // ids that fail to load
    int loads = 0;
};

} // namespace vardex
