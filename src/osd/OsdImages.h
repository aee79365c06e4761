// The display's images, by their resource ids in the display library, and how a raw
// sensitivity code becomes the number the panel shows.
#pragma once

#include <array>
#include <cstdint>

namespace vardex::osd {

inline constexpr int kProfileImage = 300;  // 300 to 304: P1 to P5, 83 x 35
inline constexpr int kDigitImage = 305;    // 305 to 314: digits 0 to 9, 28 x 26
inline constexpr int kBlankDigit = 315;    // 30 x 26
inline constexpr int kLevelPanel = 316;    // 316 to 319: LEVEL 1 to LEVEL 4, 280 x 123
inline constexpr int kBackButton = 320;    // extra button 1, 52 x 51
inline constexpr int kForwardButton = 321; // extra button 2, 51 x 51

struct SImageSize {
    int id;
    int width;
    int height;
};
// The size of every image of the display.
constexpr SImageSize ImageSize(int id)
{
    if (id >= kProfileImage && id < kDigitImage)
        return {id, 83, 35};
    if (id >= kDigitImage && id < kBlankDigit)
        return {id, 28, 26};
    if (id == kBlankDigit)
        return {id, 30, 26};
    if (id >= kLevelPanel && id < kBackButton)
        return {id, 280, 123};
    if (id == kBackButton)
        return {id, 52, 51};
    if (id == kForwardButton)
        return {id, 51, 51};
    return {id, 0, 0};
}

inline constexpr int kDigitCount = 4;
inline constexpr int kDigitsLeft = 98;
inline constexpr int kUpperRowTop = 40; // the X value
inline constexpr int kLowerRowTop = 80; // the Y value

// The sensitivity codes, one per 100 counts per inch from 100 to 6500.
inline constexpr std::array<std::uint8_t, 65> kRawCodes = {
    1,  2,  3,  4,  6,  7,  8,  9,  10, 11, 12, 13, 14, 16, 17, 18, 19, 20, 21, 22, 23, 24,
    26, 27, 28, 29, 30, 31, 32, 33, 34, 36, 37, 38, 39, 40, 41, 42, 43, 44, 46, 47, 48, 49,
    50, 51, 52, 53, 54, 56, 57, 58, 59, 60, 62, 63, 71, 72, 73, 74, 75, 76, 78, 79, 80};

// The number of the first row whose code is at least raw; a code above every row
// shows the top row.
int NumberForRawCode(int raw);
// The four digit images of number, left to right: filled from the units, blank once
// what is left is 0.
std::array<int, kDigitCount> DigitImages(int number);

} // namespace vardex::osd
