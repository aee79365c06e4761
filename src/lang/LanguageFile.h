// The language file: UTF-16 little-endian with its byte-order mark, one text per line
// ended by CR LF, the 97 table texts in their fixed order and then the file's own name.
#pragma once

#include "lang/TextTables.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vardex {

namespace langfile {
inline constexpr std::size_t kLineReadBytes = 2048; // one read per line
inline constexpr std::size_t kLineChars = 1023;     // a line without CR LF is cut here
inline constexpr int kFileLines = CTextTables::kLineCount + 1;
// Everything a complete file can be made of, the byte-order mark included.
inline constexpr std::size_t kMaxUsefulBytes = 2 + kFileLines * kLineReadBytes;
} // namespace langfile

// Reads the file's bytes into the tables line by line; true when every line was read
// and the last one names the file exactly. Lines read before a failure stay stored.
bool ReadLanguageFile(std::span<const std::uint8_t> bytes, const std::wstring& fileName, CTextTables& tables);

// The bytes of a language file holding lines, named fileName.
std::vector<std::uint8_t> WriteLanguageFile(const std::vector<std::wstring>& lines, const std::wstring& fileName);

} // namespace vardex
