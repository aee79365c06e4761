#include "profile/SensitivityTable.h"

#include <algorithm>

namespace vardex {

namespace {


constexpr int kCodesA[CSensitivityTable::kRows] = {
    1,  2,  3,  4,  6,  7,  8,  9,  10, 11, 12, 13, 14, 16, 17, 18, 19, 20, 21, 22, 23, 24,
    26, 27, 28, 29, 30, 31, 32, 33, 34, 36, 37, 38, 39, 40, 41, 42, 43, 44, 46, 47, 48, 49,
    50, 51, 52, 53, 54, 56, 58, 59, 60, 61, 62, 63, 64, 65, 66, 67, 68, 69, 70, 71, 72};
constexpr int kCodesB[CSensitivityTable::kRows] = {
    1,  2,  3,  4,  6,  7,  8,  9,  10, 11, 12, 13, 14, 16, 17, 18, 19, 20, 21, 22, 23, 24,
    26, 27, 28, 29, 30, 31, 32, 33, 34, 36, 37, 38, 39, 40, 41, 42, 43, 44, 46, 47, 48, 49,
    50, 51, 52, 53, 54, 56, 57, 58, 59, 60, 62, 63, 71, 72, 73, 74, 75, 76, 78, 79, 80};
constexpr int kX1[CSensitivityTable::kRows] = {
    80,  83,  86,  88,  90,  93,  96,  99,  101, 103, 106, 109, 112, 114, 116, 119, 122,
    125, 127, 129, 132, 135, 138, 140, 142, 145, 148, 151, 153, 155, 158, 161, 164, 166,
    168, 171, 174, 177, 179, 181, 184, 187, 190, 192, 194, 197, 200, 203, 205, 207, 210,
    213, 216, 218, 220, 223, 226, 229, 231, 233, 236, 239, 242, 244, 247};
constexpr int kY1[CSensitivityTable::kRows] = {
    230, 227, 225, 222, 219, 216, 214, 212, 209, 206, 203, 201, 199, 196, 193, 190, 188,
    186, 183, 180, 177, 175, 173, 170, 167, 164, 162, 160, 157, 154, 151, 149, 147, 144,
    141, 138, 136, 134, 131, 128, 125, 123, 121, 118, 115, 112, 110, 108, 105, 102, 99,
    97,  95,  92,  89,  86,  84,  82,  79,  76,  73,  71,  69,  66,  63};

int Clamp(int row) { return std::clamp(row, 0, CSensitivityTable::kRows - 1); }

} // namespace

int CSensitivityTable::Code(int row) const
{
    return (m_LaterRelease ? kCodesB : kCodesA)[Clamp(row)];
}

std::wstring CSensitivityTable::Label(int row)
{
    std::wstring text = std::to_wstring(100 * (Clamp(row) + 1));
    return std::wstring(4 - text.size(), L' ') + text;
}

int CSensitivityTable::X1(int row) { return kX1[Clamp(row)]; }
int CSensitivityTable::Y1(int row) { return kY1[Clamp(row)]; }

int CSensitivityTable::RowOfCode(int code) const
{
    for (int row = 0; row < kRows; ++row)
        if (Code(row) >= code)
            return row;
    return kRows - 1;
}

} // namespace vardex
