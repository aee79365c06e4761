// CUniFile over real files in a scratch folder: ANSI and UTF-16 text, lines of any
// length, the companion file, and keyword search.
#include "install/UniFile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace vardex {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

std::string Utf16(const std::string& ascii)
{
    std::string wide;
    for (char c : ascii)
        wide += std::string{c, '\0'};
    return wide;
}

class UniFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_Folder = fs::temp_directory_path() / ("unifile-"s + info->name());
        fs::remove_all(m_Folder);
        fs::create_directories(m_Folder);
    }
    void TearDown() override { fs::remove_all(m_Folder); }

    std::string Write(const std::string& bytes, const char* name = "text.ini")
    {
        const fs::path path = m_Folder / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }
    static std::string Read(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    // Every line GetStr gives, with its line end.
    static std::vector<std::string> Lines(CUniFile& file)
    {
        std::vector<std::string> lines;
        while (const char* line = file.GetStr()) {
            std::size_t n = 0;
            if (file.IsUtf16())
                while (line[n] != 0 || line[n + 1] != 0)
                    n += 2;
            else
                n = std::strlen(line);
            lines.emplace_back(line, n);
        }
        return lines;
    }

    fs::path m_Folder;
};

TEST_F(UniFileTest, AnsiLinesKeepTheirEnds)
{
    const std::string path = Write("[Filter]\r\nName=Qv9\r\nlast");
    CUniFile file;
    EXPECT_EQ(file.CheckFileType(path.c_str()), 0);
    ASSERT_EQ(file.DOpen(), 1);
    EXPECT_EQ(Lines(file), (std::vector<std::string>{"[Filter]\r\n", "Name=Qv9\r\n", "last"}));
    EXPECT_EQ(file.GetStr(), nullptr);
    EXPECT_EQ(file.CompanionPath(), path + ".tmp");
    file.DClose();
}

TEST_F(UniFileTest, AnyLineLengthIsTakenWhole)
{
    const std::string longLine(70000, 'x');
    const std::string path = Write(longLine + "\r\nshort\r\n");
    CUniFile file;
    file.CheckFileType(path.c_str());
    ASSERT_EQ(file.DOpen(), 1);
    EXPECT_EQ(Lines(file), (std::vector<std::string>{longLine + "\r\n", "short\r\n"}));
    file.DClose();
}

TEST_F(UniFileTest, Utf16FileIsReadInWholeUnits)
{
    // The 0x0A byte inside U+0A0D and the odd tail must not end a line.
    const std::string bytes = "\xFF\xFE"s + Utf16("a=1\r\n") + "\x0D\x0A" + Utf16("b\r\n") + "\x41";
    const std::string path = Write(bytes, "wide.ini");
    CUniFile file;
    EXPECT_EQ(file.CheckFileType(path.c_str()), 1);
    EXPECT_EQ(file.WidePath(), std::wstring(path.begin(), path.end()));
    ASSERT_EQ(file.DOpen(), 1);
    EXPECT_TRUE(file.IsUtf16());
    const std::vector<std::string> lines = Lines(file);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "\xFF\xFE"s + Utf16("a=1\r\n"));
    EXPECT_EQ(lines[1], "\x0D\x0A"s + Utf16("b\r\n"));
    EXPECT_EQ(lines[2], "\x41\0"s) << "the odd last byte, read as one whole unit";
    file.DClose();
}

TEST_F(UniFileTest, CompanionFileGetsTheEditedLines)
{
    const std::string path = Write("keep\r\ndrop\r\n");
    Write("an older and much longer companion file\r\n", "text.ini.tmp");
    CUniFile file;
    file.CheckFileType(path.c_str());
    ASSERT_EQ(file.DOpen(), 1);
    file.GetStr();
    EXPECT_EQ(file.PutStr(nullptr), 6);
    file.GetStr();
    EXPECT_EQ(file.PutStr("new"), 5);
    EXPECT_EQ(file.PutStr(std::string(5000, 'y').c_str()), 5002);
    file.DClose();
    EXPECT_EQ(Read(path + ".tmp"), "keep\r\nnew\r\n" + std::string(5000, 'y') + "\r\n");
    EXPECT_EQ(Read(path), "keep\r\ndrop\r\n");
}

TEST_F(UniFileTest, CompanionOfAUtf16FileIsWidened)
{
    const std::string path = Write("\xFF\xFE"s + Utf16("x\r\n"), "wide.ini");
    CUniFile file;
    file.CheckFileType(path.c_str());
    ASSERT_EQ(file.DOpen(), 1);
    file.GetStr();
    EXPECT_EQ(file.PutStr(nullptr), 8);
    EXPECT_EQ(file.PutStr("ok"), 8);
    file.DClose();
    EXPECT_EQ(Read(path + ".tmp"), "\xFF\xFE"s + Utf16("x\r\nok\r\n"));
}

TEST_F(UniFileTest, MissingFile)
{
    CUniFile file;
    const std::string path = (m_Folder / "none.ini").string();
    EXPECT_EQ(file.CheckFileType(path.c_str()), 0);
    EXPECT_EQ(file.Open(), 0);
    EXPECT_EQ(file.DOpen(), 0);
    EXPECT_EQ(file.GetStr(), nullptr);
    EXPECT_EQ(file.PutStr("x"), -1);
    EXPECT_FALSE(fs::exists(path + ".tmp"));
}

TEST_F(UniFileTest, CopyOwnsNoOpenFile)
{
    const std::string path = Write("one\r\ntwo\r\n");
    auto original = std::make_unique<CUniFile>();
    original->CheckFileType(path.c_str());
    ASSERT_EQ(original->DOpen(), 1);
    original->GetStr();
    CUniFile copy(*original);
    CUniFile assigned;
    assigned = *original;
    original.reset(); // closes its files and frees its image
    EXPECT_EQ(Lines(copy), std::vector<std::string>{"two\r\n"});
    EXPECT_EQ(Lines(assigned), std::vector<std::string>{"two\r\n"});
    EXPECT_EQ(copy.PutStr("x"), -1);
}

struct SSearchCase {
    friend void PrintTo(const SSearchCase& c, std::ostream* os) { *os << c.keyword; }

    const char* keyword;
    std::string text;
    bool utf16;
    int found;
};

class KeywordSearchTest : public UniFileTest, public ::testing::WithParamInterface<SSearchCase> {};

TEST_P(KeywordSearchTest, FindsTheUpperCaseKeyword)
{
    const SSearchCase& c = GetParam();
    const std::string path = Write(c.utf16 ? "\xFF\xFE"s : ""s);
    CUniFile file;
    file.CheckFileType(path.c_str());
    ASSERT_EQ(file.DOpen(), 1);
    const std::string text = c.text + "\0\0"s;
    EXPECT_EQ(file.KeywordSearch(c.keyword, text.data()), c.found) << c.keyword;
    file.DClose();
}

INSTANTIATE_TEST_SUITE_P(Texts, KeywordSearchTest, ::testing::Values(
    SSearchCase{"QV9SIEVE", "LowerFilters=qv9sieve", false, 1},
    SSearchCase{"QV9SIEVE", "LowerFilters=qv9siev", false, 0},
    SSearchCase{"", "", false, 1},
    SSearchCase{"AB", "xaxab", false, 1},
    SSearchCase{"AB", std::string(5000, 'z') + "ab", false, 1},
    SSearchCase{"QV9", Utf16("name=Qv9"), true, 1},
    SSearchCase{"QV9", Utf16("name=Qv") + "9\x01", true, 0},
    SSearchCase{"A", "\x61\x04", true, 0}));

TEST_F(UniFileTest, KeywordSearchDefaultsToTheLastLine)
{
    const std::string path = Write("first\r\nSecond\r\n");
    CUniFile file;
    file.CheckFileType(path.c_str());
    ASSERT_EQ(file.DOpen(), 1);
    file.GetStr();
    EXPECT_EQ(file.KeywordSearch("SECOND", nullptr), 0);
    file.GetStr();
    EXPECT_EQ(file.KeywordSearch("SECOND", nullptr), 1);
    file.DClose();
}

} // namespace
} // namespace vardex
