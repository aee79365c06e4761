// The language files the program ships: English is the built-in texts, and every
// translation loads whole, each text within its entry.
#include "lang/LanguageFile.h"
#include "lang/Utf16.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace vardex {
namespace {

const std::filesystem::path kLanguages = std::filesystem::path(VARDEX_RESOURCE_DIR) / "Languages";

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(LanguageResourcesTest, EnglishIsTheBuiltInTexts)
{
    EXPECT_EQ(ReadBytes(kLanguages / "English.txt"), WriteLanguageFile(CTextTables().Lines(), L"English.txt"))
        << "run `make languages` after changing the built-in texts";
}

TEST(LanguageResourcesTest, TranslationsLoadWhole)
{
    for (const char* name : {"German", "French"}) {
        SCOPED_TRACE(name);
        const std::wstring fileName = FromUtf8(std::string(name) + ".txt");
        CTextTables tables;
        ASSERT_TRUE(ReadLanguageFile(ReadBytes(kLanguages / (std::string(name) + ".txt")), fileName, tables));

        std::ifstream source(kLanguages / (std::string(name) + ".utf8.txt"));
        std::vector<std::wstring> lines;
        for (std::string line; std::getline(source, line);)
            lines.push_back(FromUtf8(line));
        EXPECT_EQ(tables.Lines(), lines) << "a text longer than its entry, or a stale file (`make languages`)";
        EXPECT_NE(tables.Message(1), CTextTables().Message(1));
    }
}

} // namespace
} // namespace vardex
