#include "macro/DelayField.h"

#include <gtest/gtest.h>

#include <string>

namespace vardex {
namespace {

TEST(DelayFieldTest, NumberRule)
{
    struct SCase {
        std::wstring text;
        bool valid;
        int value;
    };
    const SCase cases[] = {
        {L"", true, 0},          {L"250", true, 250},     {L"0x64", true, 100},   {L"0X1f", true, 31},
        {L"1f", false, 0},       {L"10 20", true, 20},    {L"25 ", true, 0},      {L"10, 20", true, 20},
        {L"10 ,20", true, 20},    {L"10,20", true, 20},    {L"-30", true, -30},    {L"5-3", true, -3},
        {L"+7", true, 7},        {L"x5", true, 5},        {L"5x", true, 5},       {L"12ms", false, 0},
        {L"1.5", false, 0},      {L"00x10", true, 16},    {L"9999999999999999999", true, 1000000000},
    };
    for (const SCase& c : cases) {
        int value = 0;
        EXPECT_EQ(ReadDelayField(c.text, value), c.valid) << std::string(c.text.begin(), c.text.end());
        if (c.valid) {
            EXPECT_EQ(value, c.value) << std::string(c.text.begin(), c.text.end());
        }
    }
}

TEST(DelayFieldTest, Steps)
{
    struct SCase {
        int value;
        int up;
        int down;
    };
    const SCase cases[] = {
        {25, 50, 25}, {30, 75, 25}, {50, 75, 25}, {4990, 5000, 4950}, {5000, 5000, 4975},
        {9999, 5000, 5000}, {0, 25, 25}, {-30, 25, 25},
    };
    for (const SCase& c : cases) {
        EXPECT_EQ(StepDelayUp(c.value, 25), c.up) << c.value;
        EXPECT_EQ(StepDelayDown(c.value, 25), c.down) << c.value;
    }
    EXPECT_EQ(StepDelayUp(30, 10), 75) << "the step is at least 25 ms";
}

} // namespace
} // namespace vardex
