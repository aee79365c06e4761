#include "app/StartUp.h"

#include <cwctype>

namespace vardex {

int WindowsVersionCode(bool known, const SOsVersion& v)
{
    if (!known)
        return 7;
    if (v.platformId != kNtPlatform) {
        switch (v.build >> 16) { // the 95 family keeps its version in the build's high word
        case 0x0400: return 0;
        case 0x040A: return 2;
        case 0x045A: return 3;
        default: return 7;
        }
    }
    switch (v.major) {
    case 3: return 4;
    case 4: return 5;
    case 5: return v.minor == 0 ? 5 : 7;
    case 6: return 8;
    default: return 7;
    }
}

namespace {

bool SameWord(const std::wstring& a, const wchar_t* b)
{
    std::size_t i = 0;
    for (; i < a.size() && b[i]; ++i)
        if (std::towlower(a[i]) != std::towlower(b[i]))
            return false;
    return i == a.size() && !b[i];
}

} // namespace

bool HasAutomationSwitch(const std::wstring& arguments)
{
    // Words are split at blanks; double quotes hold blanks inside a word.
    std::wstring word;
    bool quoted = false;
    auto isSwitch = [&word] {
        return word.size() > 1 && (word[0] == L'/' || word[0] == L'-') && SameWord(word.substr(1), L"Automation");
    };
    for (wchar_t c : arguments) {
        if (c == L'"') {
            quoted = !quoted;
        } else if (!quoted && (c == L' ' || c == L'\t')) {
            if (isSwitch())
                return true;
            word.clear();
        } else {
            word += c;
        }
    }
    return isSwitch();
}

} // namespace vardex
