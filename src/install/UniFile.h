// CUniFile: edits a text file line by line, in the ANSI code page or in UTF-16LE
// (a file that starts with FF FE). The whole file is read into memory, and the
// edited lines are written to a companion file named after it with ".tmp" added.
// Lines of any length are taken whole.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// The install tool exports the class; every other build uses it as it is.
#if defined(_WIN32) && defined(VARDEX_EXPORT_UNIFILE)
#define VARDEX_UNIFILE_API __declspec(dllexport)
#else
#define VARDEX_UNIFILE_API
#endif

namespace vardex {

class VARDEX_UNIFILE_API CUniFile {
public:
    CUniFile() = default;
    // A copy takes the paths, the memory image and the read position, but no open
    // file: each object closes only what it opened itself.
    CUniFile(const CUniFile& other);
    CUniFile& operator=(const CUniFile& other);
    virtual ~CUniFile();

    // Remembers the path and reads the first two bytes; 1 for a UTF-16 file, 0 for
    // any other or when the file cannot be opened.
    int CheckFileType(const char* path);
    // Opens the file read-only; 1 when it opened.
    int Open();
    void Close();
    // Reads the file whole into memory and opens the companion file, emptied, for
    // writing; 1 when both are open.
    int DOpen();
    void DClose();

    // The next line with its line end, zero-terminated (two zero bytes), or null when
    // every line was read.
    char* GetStr();
    // Writes text and a line end to the companion file (widened in UTF-16 mode), or
    // with null the line last read, as it was read; the bytes written, or -1.
    int PutStr(const char* text);
    // 1 when the upper-case keyword occurs in text (the line last read when null),
    // each text character taken in upper case.
    int KeywordSearch(const char* keyword, const void* text) const;

    bool IsUtf16() const { return m_Utf16; }
    const std::string& Path() const { return m_Path; }
    const std::wstring& WidePath() const { return m_WidePath; }
    const std::string& CompanionPath() const { return m_TempPath; }

private:
    void CopyStateFrom(const CUniFile& other);
    void CloseFile(std::FILE*& file);
    void FreeImage();
    int Write(const std::vector<std::uint8_t>& bytes);

    std::string m_Path;
    std::wstring m_WidePath;
    std::string m_TempPath;
    std::wstring m_WideTempPath;
    std::vector<std::uint8_t> m_Line{0, 0}; // the line bytes, then its zero terminator
    std::size_t m_LineLength = 0;
    std::FILE* m_ReadFile = nullptr;
    std::FILE* m_WriteFile = nullptr;
    std::vector<std::uint8_t> m_Image;
    std::size_t m_Position = 0;
    bool m_Utf16 = false;
};

} // namespace vardex
