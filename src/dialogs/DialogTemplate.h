// Dialog templates as the resource compiler writes them, in both the plain and the
// extended format, and the layout of a dialog at a fixed 96 dots per inch.
#pragma once

#include "controls/Shape.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vardex {

struct SDialogItem {
    std::uint32_t id;
    int x, y, cx, cy; // dialog units
};

struct SDialogTemplate {
    bool extended = false;
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
    bool hasFont = false;
    int pointSize = 0;
    int weight = 0;
    bool italic = false;
    std::wstring face;
    std::vector<SDialogItem> items;
};

// False when the bytes are not a whole template.
bool ParseDialogTemplate(std::span<const std::uint8_t> bytes, SDialogTemplate& dialog);

// The font a dialog is laid out with: the template's, or 8-point "Tahoma".
struct SDialogFont {
    int height; // negative: a character height in pixels
    int weight;
    bool italic;
    std::wstring face;
};
SDialogFont DialogFont(const SDialogTemplate& dialog, int dpi);

// Average character width from the extent of the 52 letters a-z and A-Z.
constexpr int AverageCharWidth(int extentOf52Letters) { return (extentOf52Letters / 26 + 1) / 2; }

struct SDialogLayout {
    int clientWidth;
    int clientHeight;
    std::vector<SRect> items; // in template order
};

// Client size and item rectangles in pixels for the measured font.
SDialogLayout LayoutDialog(const SDialogTemplate& dialog, int averageWidth, int charHeight);

} // namespace vardex
