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

std::wstring FromUtf8(std::string_view text)
{
    constexpr wchar_t kReplacement = 0xFFFD;
    std::wstring out;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int extra = lead < 0x80 ? 0 : (lead >> 5) == 6 ? 1 : (lead >> 4) == 14 ? 2 : (lead >> 3) == 30 ? 3 : -1;
        if (extra < 0 || i + extra >= text.size() + (extra == 0 ? 1 : 0)) {
            out += kReplacement;
            ++i;
            continue;
        }
        std::uint32_t c = extra == 0 ? lead : lead & (0x3F >> extra);
        bool ok = true;
        for (int k = 1; k <= extra; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            ok = ok && (next & 0xC0) == 0x80;
            c = (c << 6) | (next & 0x3F);
        }
        if (!ok) {
            out += kReplacement;
            ++i;
            continue;
        }
        if (c > 0xFFFF && sizeof(wchar_t) == 2) {
            out += static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10));
            out += static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
        } else {
            out += static_cast<wchar_t>(c);
        }
        i += extra + 1;
    }
    return out;
}

} // namespace vardex
