#include "osd/OsdImages.h"

namespace vardex::osd {

SImageSize ImageSize(int id)
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

int NumberForRawCode(int raw)
{
    for (std::size_t row = 0; row < kRawCodes.size(); ++row)
        if (kRawCodes[row] >= raw)
            return static_cast<int>(row + 1) * 100;
    return static_cast<int>(kRawCodes.size()) * 100;
}

std::array<int, kDigitCount> DigitImages(int number)
{
    std::array<int, kDigitCount> images{};
    for (int position = kDigitCount - 1; position >= 0; --position) {
        images[position] = number != 0 ? kDigitImage + number % 10 : kBlankDigit;
        number /= 10;
    }
    return images;
}

} // namespace vardex::osd
