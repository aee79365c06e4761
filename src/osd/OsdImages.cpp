#include "osd/OsdImages.h"

namespace vardex::osd {

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
