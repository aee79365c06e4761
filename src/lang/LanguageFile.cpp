#include "lang/LanguageFile.h"

#include "lang/Utf16.h"

#include <algorithm>

namespace vardex {

namespace {

constexpr std::uint16_t kCr = 0x000D;
constexpr std::uint16_t kLf = 0x000A;

// One line from position pos: up to 2048 bytes are taken (nothing past the end of the
// file), the line ends at the first CR LF within its first 1023 characters, and the
// next line starts two bytes per character plus four further on.
std::wstring ReadLine(std::span<const std::uint8_t> bytes, std::size_t& pos)
{
    std::vector<std::uint16_t> units(langfile::kLineReadBytes / 2, 0);
    const std::size_t available = pos < bytes.size() ? std::min(bytes.size() - pos, langfile::kLineReadBytes) : 0;
    for (std::size_t i = 0; i + 1 < available; i += 2)
        units[i / 2] = static_cast<std::uint16_t>(bytes[pos + i] | (bytes[pos + i + 1] << 8));

    std::size_t length = langfile::kLineChars;
    for (std::size_t i = 0; i < langfile::kLineChars; ++i) {
        if (units[i] == kCr && units[i + 1] == kLf) {
            length = i;
            break;
        }
    }
    pos += 2 * length + 4;

    std::vector<std::uint8_t> raw;
    for (std::size_t i = 0; i < length; ++i) {
        raw.push_back(static_cast<std::uint8_t>(units[i] & 0xFF));
        raw.push_back(static_cast<std::uint8_t>(units[i] >> 8));
    }
    return FromUtf16Bytes(raw);
}

} // namespace

bool ReadLanguageFile(std::span<const std::uint8_t> bytes, const std::wstring& fileName, CTextTables& tables)
{
    if (bytes.size() < 2 || bytes[0] != 0xFF || bytes[1] != 0xFE)
        return false;
    std::size_t pos = 2;
    for (int k = 0; k < CTextTables::kLineCount; ++k)
        tables.SetLine(k, ReadLine(bytes, pos));
    return ReadLine(bytes, pos) == fileName;
}

std::vector<std::uint8_t> WriteLanguageFile(const std::vector<std::wstring>& lines, const std::wstring& fileName)
{
    std::vector<std::uint8_t> file = {0xFF, 0xFE};
    auto put = [&file](const std::wstring& line) {
        const std::vector<std::uint8_t> text = ToUtf16Bytes(line + L"\r\n");
        file.insert(file.end(), text.begin(), text.end());
    };
    for (const std::wstring& line : lines)
        put(line);
    put(fileName);
    return file;
}

} // namespace vardex
