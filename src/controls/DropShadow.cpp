#include "controls/DropShadow.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace vardex {

namespace {

constexpr SSpan kEmpty = {INT_MAX, INT_MIN};

bool IsEmpty(const SSpan& span) { return span.start >= span.end; }

std::uint32_t Premultiplied(std::uint32_t colour, int alpha)
{
    const auto a = static_cast<std::uint32_t>(alpha);
    const std::uint32_t r = ((colour >> 16) & 0xFF) * a / 255;
    const std::uint32_t g = ((colour >> 8) & 0xFF) * a / 255;
    const std::uint32_t b = (colour & 0xFF) * a / 255;
    return (a << 24) | (r << 16) | (g << 8) | b;
}

// Narrows every row by one pixel at each end, and by its neighbours' ends.
std::vector<SSpan> Erode(const std::vector<SSpan>& rows)
{
    std::vector<SSpan> out(rows.size(), kEmpty);
    for (std::size_t y = 0; y < rows.size(); ++y) {
        const SSpan up = y > 0 ? rows[y - 1] : kEmpty;
        const SSpan down = y + 1 < rows.size() ? rows[y + 1] : kEmpty;
        if (IsEmpty(rows[y]) || IsEmpty(up) || IsEmpty(down))
            continue;
        const SSpan eroded = {std::max({up.start, rows[y].start, down.start}) + 1,
                              std::min({up.end, rows[y].end, down.end}) - 1};
        if (!IsEmpty(eroded))
            out[y] = eroded;
    }
    return out;
}

} // namespace

void SShadowParams::Set(int newSize, int newSharpness, int newDarkness, int newOffsetX, int newOffsetY)
{
    if (newSize >= -20 && newSize <= 20)
        size = newSize;
    if (newSharpness >= 0 && newSharpness <= 20)
        sharpness = newSharpness;
    if (newDarkness >= 0 && newDarkness <= 255)
        darkness = newDarkness;
    if (newOffsetX >= -20 && newOffsetX <= 20)
        offsetX = newOffsetX;
    if (newOffsetY >= -20 && newOffsetY <= 20)
        offsetY = newOffsetY;
}

std::vector<SSpan> OwnerSpans(const std::vector<SRect>& shape, int width, int height)
{
    std::vector<SSpan> rows(static_cast<std::size_t>(std::max(height, 0)), kEmpty);
    for (const SRect& r : shape) {
        for (int y = std::max(r.top, 0); y < std::min(r.bottom, height); ++y) {
            SSpan& row = rows[y];
            row.start = std::min(row.start, std::max(r.left, 0));
            row.end = std::max(row.end, std::min(r.right, width));
        }
    }
    return rows;
}

int ShadowAlpha(const SShadowParams& p, double distance)
{
    const int radius = std::max(p.sharpness, p.size);
    const int solid = p.size > p.sharpness ? p.size - p.sharpness : 0;
    if (distance < solid)
        return p.darkness;
    if (distance > radius)
        return 0;
    return static_cast<int>((1.0 - (distance - solid) / (p.sharpness + 1)) * p.darkness);
}

SShadowImage BuildShadowImage(const std::vector<SSpan>& owner, int width, int height, const SShadowParams& p)
{
    const int size = p.size;
    SShadowImage image;
    image.width = std::max(width + 2 * size, 0);
    image.height = std::max(height + 2 * size, 0);
    image.pixels.assign(static_cast<std::size_t>(image.width) * image.height, 0);
    if (image.width == 0 || image.height == 0)
        return image;

    // The owner's rows, shifted into the image.
    std::vector<SSpan> rows(image.height, kEmpty);
    for (int y = 0; y < height && y < static_cast<int>(owner.size()); ++y) {
        const int iy = y + size;
        if (iy >= 0 && iy < image.height && !IsEmpty(owner[y]))
            rows[iy] = {owner[y].start + size, owner[y].end + size};
    }
    for (int i = 0; i < p.sharpness - size; ++i)
        rows = Erode(rows);

    // The kernel, stamped along the edges of every row.
    const int radius = std::max(p.sharpness, size);
    const int side = 2 * radius + 1;
    std::vector<std::uint32_t> kernel(static_cast<std::size_t>(side) * side);
    for (int dy = -radius; dy <= radius; ++dy)
        for (int dx = -radius; dx <= radius; ++dx)
            kernel[(dy + radius) * side + dx + radius] =
                Premultiplied(p.colour, ShadowAlpha(p, std::sqrt(double(dx * dx + dy * dy))));
    auto stamp = [&](int cx, int cy) {
        for (int dy = -radius; dy <= radius; ++dy) {
            const int y = cy + dy;
            if (y < 0 || y >= image.height)
                continue;
            for (int dx = -radius; dx <= radius; ++dx) {
                const int x = cx + dx;
                if (x < 0 || x >= image.width)
                    continue;
                std::uint32_t& pixel = image.pixels[static_cast<std::size_t>(y) * image.width + x];
                pixel = std::max(pixel, kernel[(dy + radius) * side + dx + radius]);
            }
        }
    };
    for (int y = 0; y < image.height; ++y) {
        const SSpan row = rows[y];
        if (IsEmpty(row))
            continue;
        const SSpan up = y > 0 ? rows[y - 1] : kEmpty;
        const SSpan down = y + 1 < image.height ? rows[y + 1] : kEmpty;
        // Where a neighbour row is empty the whole row is edge.
        const bool open = IsEmpty(up) || IsEmpty(down);
        const int innerStart = open ? row.end : std::clamp(std::max(up.start, down.start), row.start + 1, row.end);
        const int innerEnd = open ? row.end : std::clamp(std::min(up.end, down.end), innerStart, row.end - 1);
        for (int x = row.start; x < innerStart; ++x)
            stamp(x, y);
        for (int x = innerEnd; x < row.end; ++x)
            stamp(x, y);
    }

    // The solid middle, and nothing where the owner itself stands.
    const std::uint32_t solid = Premultiplied(p.colour, p.darkness);
    for (int y = 0; y < image.height; ++y) {
        std::uint32_t* line = image.pixels.data() + static_cast<std::size_t>(y) * image.width;
        if (!IsEmpty(rows[y]))
            std::fill(line + std::max(rows[y].start, 0), line + std::min(rows[y].end, image.width), solid);
        const int oy = y - size + p.offsetY;
        if (oy < 0 || oy >= height || oy >= static_cast<int>(owner.size()) || IsEmpty(owner[oy]))
            continue;
        const int left = std::clamp(owner[oy].start + size - p.offsetX, 0, image.width);
        const int right = std::clamp(owner[oy].end + size - p.offsetX, left, image.width);
        std::fill(line + left, line + right, 0u);
    }
    return image;
}

} // namespace vardex
