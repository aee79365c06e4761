// UTF-16 little-endian bytes, the form of every text the registry and the language
// files keep, to and from wide strings of either width.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vardex {

std::vector<std::uint8_t> ToUtf16Bytes(const std::wstring& text);
// Stops at the first zero character; an odd last byte is ignored.
std::wstring FromUtf16Bytes(std::span<const std::uint8_t> bytes);

} // namespace vardex
