#include "controls/Shape.h"

namespace vardex {

std::vector<SRect> ShapeFromBitmap(const SBitmapView& bitmap, std::uint32_t keyColour)
{
    std::vector<SRect> runs;
    if (bitmap.width <= 0 || bitmap.height <= 0 ||
        bitmap.pixels.size() < static_cast<std::size_t>(bitmap.width) * static_cast<std::size_t>(bitmap.height))
        return runs;
    const std::uint32_t key = keyColour & 0xFFFFFF;
    for (int y = 0; y < bitmap.height; ++y) {
        const std::uint32_t* row = bitmap.pixels.data() + static_cast<std::size_t>(y) * bitmap.width;
        for (int x = 0; x < bitmap.width;) {
            if ((row[x] & 0xFFFFFF) == key) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < bitmap.width && (row[x] & 0xFFFFFF) != key)
                ++x;
            runs.push_back({start, y, x, y + 1});
        }
    }
    return runs;
}

} // namespace vardex
