#include "install/UniFile.h"

#include <algorithm>
#include <cstring>

namespace vardex {

namespace {

// Each byte of the path widened to 16 bits.
std::wstring Widen(const std::string& text)
{
    std::wstring wide;
    for (char c : text)
        wide.push_back(static_cast<wchar_t>(static_cast<unsigned char>(c)));
    return wide;
}

unsigned Upper(unsigned c) { return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c; }

const std::uint8_t kCrLf[] = {0x0D, 0x0A};
const std::uint8_t kWideCrLf[] = {0x0D, 0x00, 0x0A, 0x00};

} // namespace

CUniFile::CUniFile(const CUniFile& other) { CopyStateFrom(other); }

CUniFile& CUniFile::operator=(const CUniFile& other)
{
    if (this != &other) {
        DClose();
        CopyStateFrom(other);
    }
    return *this;
}

CUniFile::~CUniFile()
{
    Close();
    CloseFile(m_WriteFile);
}

void CUniFile::CopyStateFrom(const CUniFile& other)
{
    m_Path = other.m_Path;
    m_WidePath = other.m_WidePath;
    m_TempPath = other.m_TempPath;
    m_WideTempPath = other.m_WideTempPath;
    m_Line = other.m_Line;
    m_LineLength = other.m_LineLength;
    m_Image = other.m_Image;
    m_Position = other.m_Position;
    m_Utf16 = other.m_Utf16;
}

void CUniFile::CloseFile(std::FILE*& file)
{
    if (file != nullptr)
        std::fclose(file);
    file = nullptr;
}

void CUniFile::FreeImage()
{
    m_Image.clear();
    m_Image.shrink_to_fit();
    m_Position = 0;
    m_Utf16 = false;
}

int CUniFile::CheckFileType(const char* path)
{
    m_Path = path;
    m_Utf16 = false;
    std::FILE* file = std::fopen(path, "rb");
    if (file == nullptr)
        return 0;
    std::uint8_t mark[2] = {};
    if (std::fread(mark, 1, 2, file) == 2 && mark[0] == 0xFF && mark[1] == 0xFE) {
        m_Utf16 = true;
        m_WidePath = Widen(m_Path);
    }
    std::fclose(file);
    return m_Utf16 ? 1 : 0;
}

// The file is always opened by its ANSI path: the widened copy names the same file
// only while every character is below 128.
int CUniFile::Open()
{
    CloseFile(m_ReadFile);
    m_ReadFile = std::fopen(m_Path.c_str(), "rb");
    return m_ReadFile != nullptr ? 1 : 0;
}

void CUniFile::Close()
{
    CloseFile(m_ReadFile);
    FreeImage();
}

int CUniFile::DOpen()
{
    m_TempPath = m_Path + ".tmp";
    m_WideTempPath = Widen(m_TempPath);
    if (!Open())
        return 0;
    m_Image.clear();
    std::uint8_t chunk[4096];
    for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, m_ReadFile)) > 0;)
        m_Image.insert(m_Image.end(), chunk, chunk + n);
    m_Position = 0;
    // Emptied first, so that a shorter result leaves no tail of an older one.
    CloseFile(m_WriteFile);
    if (std::ferror(m_ReadFile) || (m_WriteFile = std::fopen(m_TempPath.c_str(), "wb")) == nullptr) {
        DClose();
        return 0;
    }
    return 1;
}

void CUniFile::DClose()
{
    CloseFile(m_ReadFile);
    CloseFile(m_WriteFile);
    FreeImage();
}

char* CUniFile::GetStr()
{
    if (m_Position >= m_Image.size())
        return nullptr;
    const auto begin = m_Image.begin() + static_cast<std::ptrdiff_t>(m_Position);
    auto end = m_Image.end();
    if (!m_Utf16) {
        const auto lf = std::find(begin, m_Image.end(), std::uint8_t{0x0A});
        if (lf != m_Image.end())
            end = lf + 1;
    } else {
        for (auto p = begin; m_Image.end() - p >= 2; p += 2)
            if (p[0] == 0x0A && p[1] == 0x00) {
                end = p + 2;
                break;
            }
    }
    m_Line.assign(begin, end);
    m_LineLength = m_Line.size();
    m_Position += m_LineLength;
    // Zero-terminated for either kind of text, on a whole 16-bit unit.
    m_Line.resize(m_LineLength + 2 + m_LineLength % 2, 0);
    return reinterpret_cast<char*>(m_Line.data());
}

int CUniFile::Write(const std::vector<std::uint8_t>& bytes)
{
    if (m_WriteFile == nullptr)
        return -1;
    if (std::fwrite(bytes.data(), 1, bytes.size(), m_WriteFile) != bytes.size())
        return -1;
    return static_cast<int>(bytes.size());
}

int CUniFile::PutStr(const char* text)
{
    std::vector<std::uint8_t> bytes;
    if (text == nullptr) {
        bytes.assign(m_Line.begin(), m_Line.begin() + static_cast<std::ptrdiff_t>(m_LineLength));
        return Write(bytes);
    }
    for (const char* p = text; *p != '\0'; ++p) {
        bytes.push_back(static_cast<std::uint8_t>(*p));
        if (m_Utf16)
            bytes.push_back(0);
    }
    if (m_Utf16)
        bytes.insert(bytes.end(), std::begin(kWideCrLf), std::end(kWideCrLf));
    else
        bytes.insert(bytes.end(), std::begin(kCrLf), std::end(kCrLf));
    return Write(bytes);
}

int CUniFile::KeywordSearch(const char* keyword, const void* text) const
{
    const auto* bytes = static_cast<const std::uint8_t*>(text != nullptr ? text : m_Line.data());
    const std::size_t step = m_Utf16 ? 2 : 1;
    // The character at a position, or 0 at the text's end; in UTF-16 a character
    // whose high byte is set matches no keyword character.
    const auto at = [&](std::size_t i) -> unsigned {
        const std::uint8_t* p = bytes + i * step;
        return step == 2 && p[1] != 0 ? 0x100u : Upper(p[0]);
    };
    const auto ended = [&](std::size_t i) {
        const std::uint8_t* p = bytes + i * step;
        return p[0] == 0 && (step == 1 || p[1] == 0);
    };
    const std::size_t length = std::strlen(keyword);
    for (std::size_t start = 0;; ++start) {
        std::size_t j = 0;
        while (j < length && !ended(start + j) &&
               at(start + j) == static_cast<unsigned char>(keyword[j]))
            ++j;
        if (j == length)
            return 1;
        if (ended(start))
            return 0;
    }
}

} // namespace vardex
