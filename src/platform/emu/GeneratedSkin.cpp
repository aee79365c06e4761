#include "platform/emu/GeneratedSkin.h"

#include "controls/Shape.h"
#include "osd/OsdImages.h"

#include <algorithm>

namespace vardex {

std::uint32_t CGeneratedSkin::BodyColour(int id)
{
    return Rgb(0x20, (id - 256) & 0xFF, 0x60);
}

bool CGeneratedSkin::Load(int id, SImage& image)
{
    ++loads;
    const osd::SImageSize size = osd::ImageSize(id);
    if (size.width == 0 || missing.count(id) != 0)
        return false;
    image.width = size.width;
    image.height = size.height;
    image.pixels.assign(static_cast<std::size_t>(size.width) * size.height, BodyColour(id));
    for (int y = 0; y < size.height; ++y) {
        for (int x = 0; x < size.width; ++x) {
            const int dx = std::min(x, size.width - 1 - x);
            const int dy = std::min(y, size.height - 1 - y);
            if (dx < kFrame || dy < kFrame || dx + dy < 2 * kFrame + 3)
                image.pixels[static_cast<std::size_t>(y) * size.width + x] = Rgb(64, 64, 64);
        }
    }
    return true;
}

} // namespace vardex
