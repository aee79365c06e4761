#include "app/StartUp.h"

#include <gtest/gtest.h>

namespace vardex {
namespace {

struct SVersionCase {
    bool known;
    SOsVersion version;
    int code;
};

TEST(StartUpTest, WindowsVersionCodes)
{
    const SVersionCase cases[] = {
        {true, {kWin95Platform, 4, 0, 0x04000000 | 950}, 0},  {true, {kWin95Platform, 4, 10, 0x040A0000 | 1998}, 2},
        {true, {kWin95Platform, 4, 90, 0x045A0000 | 3000}, 3}, {true, {kWin95Platform, 4, 3, 0x04030000}, 7},
        {true, {kNtPlatform, 3, 51, 1057}, 4},               {true, {kNtPlatform, 4, 0, 1381}, 5},
        {true, {kNtPlatform, 5, 0, 2195}, 5},                {true, {kNtPlatform, 5, 1, 2600}, 7},
        {true, {kNtPlatform, 6, 1, 7601}, 8},                {true, {kNtPlatform, 10, 0, 19045}, 7},
        {false, {kNtPlatform, 6, 1, 7601}, 7},
    };
    for (const SVersionCase& c : cases)
        EXPECT_EQ(WindowsVersionCode(c.known, c.version), c.code)
            << c.version.platformId << " " << c.version.major << "." << c.version.minor;
}

TEST(StartUpTest, AutomationSwitch)
{
    const std::pair<const wchar_t*, bool> cases[] = {
        {L"/Automation", true},  {L"-automation", true},       {L"/AUTOMATION", true},
        {L"x /automation", true}, {L"\"/automation\"", true},   {L"", false},
        {L"Automation", false},  {L"/Automationx", false},     {L"/Auto", false},
        {L"\"a /automation\"", false}, {L"--automation", false}, {L"/", false},
    };
    for (const auto& [arguments, expected] : cases)
        EXPECT_EQ(HasAutomationSwitch(arguments), expected) << std::wstring(arguments).size();
}

} // namespace
} // namespace vardex
