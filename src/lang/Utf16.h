// UTF-16 little-endian bytes, the form of every text the registry and the language
// files keep, to and from wide strings of either width; and UTF-8 input.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vardex {

std::vector<std::uint8_t> ToUtf16Bytes(const std::wstring& text);
// Stops at the first zero character; an odd last byte is ignored.
std::wstring FromUtf16Bytes(std::span<const std::uint8_t> bytes);
// UTF-8 text, as the translations are written; a malformed sequence becomes U+FFFD.
std::wstring FromUtf8(std::string_view text);

} // namespace vardex
