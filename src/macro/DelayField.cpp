#include "macro/DelayField.h"

#include <algorithm>

namespace vardex {

using namespace delayfield;

namespace {

int DigitValue(wchar_t c, bool hex)
{
    if (c >= L'0' && c <= L'9')
        return c - L'0';
    if (hex && c >= L'a' && c <= L'f')
        return c - L'a' + 10;
    if (hex && c >= L'A' && c <= L'F')
        return c - L'A' + 10;
    return -1;
}

int FloorDiv(int a, int b) { return a / b - (a % b != 0 && a < 0); }

} // namespace

bool ReadDelayField(std::wstring_view text, int& value)
{
    constexpr long long kLimit = 1000000000; // far above any delay; keeps the sum in range
    long long number = 0;
    bool negative = false;
    bool hex = false;
    wchar_t previous = 0;
    auto startNumber = [&](bool minus) {
        number = 0;
        negative = minus;
        hex = false;
    };
    for (wchar_t c : text.substr(0, kMaxChars)) {
        const int digit = DigitValue(c, hex);
        if (digit >= 0) {
            number = std::min(number * (hex ? 16 : 10) + digit, kLimit);
        } else if (c == L'x' || c == L'X') {
            if (previous == L'0' && number == 0 && !hex)
                hex = true;
        } else if (c == L'+' || c == L'-') {
            startNumber(c == L'-');
        } else if (c == L' ') {
            if (previous != L' ' && previous != L',')
                startNumber(false);
        } else if (c == L',') {
            if (previous != L' ')
                startNumber(false);
        } else {
            return false;
        }
        previous = c;
    }
    value = static_cast<int>(negative ? -number : number);
    return true;
}

int StepDelayUp(int value, int unitMs)
{
    const int s = std::max(unitMs, kSmallestStepMs);
    const int v = std::clamp(value, 0, kMaxDelayMs - s);
    return (v + s - 1) / s * s + s;
}

int StepDelayDown(int value, int unitMs)
{
    const int s = std::max(unitMs, kSmallestStepMs);
    const int v = std::min(value, kMaxDelayMs + s);
    return std::max(FloorDiv(v, s) * s - s, s);
}

} // namespace vardex
