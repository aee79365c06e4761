// Editing of a multi-string filter list, byte for byte.
#include "install/FilterList.h"

#include "InstallFakes.h"

#include <gtest/gtest.h>

namespace vardex {
namespace {

using test::Bytes;
using namespace std::string_literals;

constexpr std::string_view kName = "Novaro QV8 Filter";

struct SEditCase {
    friend void PrintTo(const SEditCase& c, std::ostream* os) { *os << c.what; }

    const char* what;
    std::string before;
    std::string after;
};

class PrependNameTest : public ::testing::TestWithParam<SEditCase> {};

TEST_P(PrependNameTest, PutsTheNameFirst)
{
    EXPECT_EQ(PrependName(Bytes(GetParam().before), kName), Bytes(GetParam().after)) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(Lists, PrependNameTest, ::testing::Values(
    SEditCase{"empty list", "\0"s, "Novaro QV8 Filter\0\0"s},
    SEditCase{"one other entry", "kbdclass\0\0"s, "Novaro QV8 Filter\0kbdclass\0\0"s},
    SEditCase{"already listed", "Novaro QV8 Filter\0\0"s, "Novaro QV8 Filter\0Novaro QV8 Filter\0\0"s},
    SEditCase{"unterminated bytes kept as they are", "odd"s, "Novaro QV8 Filter\0odd"s}));

class RemoveNameTest : public ::testing::TestWithParam<SEditCase> {};

TEST_P(RemoveNameTest, TakesOutEveryCopy)
{
    EXPECT_EQ(RemoveName(Bytes(GetParam().before), kName), Bytes(GetParam().after)) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(Lists, RemoveNameTest, ::testing::Values(
    SEditCase{"only the name: emptied", "Novaro QV8 Filter\0\0"s, ""s},
    SEditCase{"first of two", "Novaro QV8 Filter\0kbdclass\0\0"s, "kbdclass\0\0"s},
    SEditCase{"last of two", "kbdclass\0Novaro QV8 Filter\0\0"s, "kbdclass\0\0"s},
    SEditCase{"two copies in a row", "Novaro QV8 Filter\0Novaro QV8 Filter\0\0"s, ""s},
    SEditCase{"copies around another", "Novaro QV8 Filter\0a\0NOVARO qv8 filter\0\0"s, "a\0\0"s},
    SEditCase{"other letter case", "nOvArO qV8 fIlTeR\0\0"s, ""s},
    SEditCase{"longer and shorter names stay", "Novaro QV8 Filter2\0Novaro QV8\0\0"s,
              "Novaro QV8 Filter2\0Novaro QV8\0\0"s},
    SEditCase{"not listed", "kbdclass\0\0"s, "kbdclass\0\0"s},
    SEditCase{"empty list stays empty", "\0"s, ""s},
    SEditCase{"no bytes at all", ""s, ""s},
    SEditCase{"unterminated last entry", "a\0Novaro QV8 Filter"s, "a\0"s},
    SEditCase{"unterminated other entry", "Novaro QV8 Filter\0abc"s, "abc"s},
    SEditCase{"entries after the list end are kept", "a\0\0Novaro QV8 Filter\0\0"s,
              "a\0\0Novaro QV8 Filter\0\0"s}));

TEST(FilterListTest, CaseIsIgnoredOnlyForAsciiLetters)
{
    EXPECT_TRUE(EqualIgnoringCase("Qv8Sieve.SYS", "QV8SIEVE.sys"));
    EXPECT_FALSE(EqualIgnoringCase("Qv8Sieve.sys", "Qv8Sieve.sy"));
    EXPECT_FALSE(EqualIgnoringCase("@", "`")); // 0x40 and 0x60 differ by the case bit
    EXPECT_FALSE(EqualIgnoringCase("\xC4", "\xE4"));
}

} // namespace
} // namespace vardex
