#include "lang/Utf16.h"

namespace vardex {

namespace {

void PutUnit(std::vector<std::uint8_t>& out, std::uint32_t unit)
{
    out.push_back(static_cast<std::uint8_t>(unit & 0xFF));
    out.push_back(static_cast<std::uint8_t>(unit >> 8));
}

} // namespace

std::vector<std::uint8_t> ToUtf16Bytes(const std::wstring& text)
{
    std::vector<std::uint8_t> out;
    out.reserve(text.size() * 2);
    for (wchar_t ch : text) {
        const auto c = static_cast<std::uint32_t>(ch);
        if (c > 0xFFFF && c <= 0x10FFFF) { // only where wchar_t is 32 bits wide
            PutUnit(out, 0xD800 + ((c - 0x10000) >> 10));
            PutUnit(out, 0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            PutUnit(out, c & 0xFFFF);
        }
    }
    return out;
}

std::wstring FromUtf16Bytes(std::span<const std::uint8_t> bytes)
{
    std::wstring text;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        std::uint32_t unit = bytes[i] | (bytes[i + 1] << 8);
        if (unit == 0)
            break;
        if constexpr (sizeof(wchar_t) == 4) {
            const bool high = unit >= 0xD800 && unit < 0xDC00;
            if (high && i + 3 < bytes.size()) {
                const std::uint32_t low = bytes[i + 2] | (bytes[i + 3] << 8);
                if (low >= 0xDC00 && low < 0xE000) {
                    unit = 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                    i += 2;
                }
            }
        }
        text += static_cast<wchar_t>(unit);
    }
    return text;
}

} // namespace vardex
