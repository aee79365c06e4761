#include "lang/LanguageFile.h"

#include "lang/Utf16.h"

#include <gtest/gtest.h>

namespace vardex {
namespace {

std::vector<std::wstring> Numbered()
{
    std::vector<std::wstring> lines;
    for (int k = 0; k < CTextTables::kLineCount; ++k)
        lines.push_back(L"line " + std::to_wstring(k));
    return lines;
}

TEST(LanguageFileTest, ReadsTheLinesInTableOrder)
{
    CTextTables tables;
    ASSERT_TRUE(ReadLanguageFile(WriteLanguageFile(Numbered(), L"Test.txt"), L"Test.txt", tables));
    EXPECT_EQ(tables.Ui(0), L"line 0");
    EXPECT_EQ(tables.Ui(40), L"line 40");
    EXPECT_EQ(tables.Message(0), L"line 41");
    EXPECT_EQ(tables.Message(32), L"line 73");
    EXPECT_EQ(tables.SpareMessage(), L"line 74");
    EXPECT_EQ(tables.Caption(), L"line 75");
    EXPECT_EQ(tables.Unit(1), L"line 77");
    EXPECT_EQ(tables.FunctionName(0), L"line 78");
    EXPECT_EQ(tables.FunctionName(18), L"line 96");
}

TEST(LanguageFileTest, BrokenFilesAreRefused)
{
    const std::vector<std::uint8_t> good = WriteLanguageFile(Numbered(), L"Test.txt");
    std::vector<std::uint8_t> noMark(good.begin() + 2, good.end());
    std::vector<std::uint8_t> utf8 = {0xEF, 0xBB, 0xBF, 'a', '\r', '\n'};
    std::vector<std::wstring> lines = Numbered();
    lines.pop_back();
    std::vector<std::uint8_t> missingLast = WriteLanguageFile(lines, L"");
    missingLast.resize(missingLast.size() - 4); // nor the line end of the last text

    struct SCase {
        const char* name;
        std::vector<std::uint8_t> bytes;
        std::wstring fileName;
    };
    const SCase cases[] = {
        {"empty", {}, L"Test.txt"},
        {"no byte-order mark", noMark, L"Test.txt"},
        {"UTF-8", utf8, L"Test.txt"},
        {"name in other letter case", good, L"test.txt"},
        {"another name", good, L"English.txt"},
        {"97 lines and no name", missingLast, L"Test.txt"},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.name);
        CTextTables tables;
        EXPECT_FALSE(ReadLanguageFile(c.bytes, c.fileName, tables));
    }
}

TEST(LanguageFileTest, ALineWithoutAnEndIsCutAndTheNextFoundByItsLength)
{
    std::vector<std::wstring> lines = Numbered();
    lines[0] = std::wstring(1100, L'x');
    std::vector<std::uint8_t> file = WriteLanguageFile(lines, L"Test.txt");
    CTextTables tables;
    // The first line's cut leaves 77 characters of it, then its CR LF, to be taken as
    // the start of the next line: everything after is shifted.
    EXPECT_FALSE(ReadLanguageFile(file, L"Test.txt", tables));
    EXPECT_EQ(tables.Ui(0).size(), CTextTables::kUiCapacity - 1) << "cut to its entry";
    const std::size_t restOfFirst = 1100 - 1023 - 2; // the next read starts 2 * 1023 + 4 bytes on
    EXPECT_EQ(tables.Ui(1), std::wstring(restOfFirst, L'x'));
    EXPECT_EQ(tables.Ui(2), L"line 1");
}

TEST(LanguageFileTest, TextsLongerThanTheirEntriesAreCut)
{
    std::vector<std::wstring> lines = Numbered();
    lines[41] = std::wstring(100, L'm');     // a message
    lines[76] = L"milliseconds";            // a unit
    lines[78] = std::wstring(45, L'f');     // a function name
    CTextTables tables;
    ASSERT_TRUE(ReadLanguageFile(WriteLanguageFile(lines, L"Test.txt"), L"Test.txt", tables));
    EXPECT_EQ(tables.Message(0).size(), 79u);
    EXPECT_EQ(tables.Unit(0), L"milliseco");
    EXPECT_EQ(tables.FunctionName(0).size(), 39u);
    EXPECT_EQ(tables.Message(1), L"line 42") << "nothing runs into the next entry";
}

TEST(Utf8Test, Decoding)
{
    EXPECT_EQ(FromUtf8("Schlie\xC3\x9F" "en"), L"Schlie\u00DFen");
    EXPECT_EQ(FromUtf8("\xE6\x96\xB0"), L"\u65B0");
    EXPECT_EQ(FromUtf8("a\xC3"), L"a\uFFFD");
    EXPECT_EQ(FromUtf8("\xFF" "b"), L"\uFFFDb");
    EXPECT_EQ(FromUtf16Bytes(ToUtf16Bytes(FromUtf8("\xF0\x9F\x8E\xAE"))), FromUtf8("\xF0\x9F\x8E\xAE"));
}

} // namespace
} // namespace vardex
