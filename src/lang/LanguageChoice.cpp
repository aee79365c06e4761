#include "lang/LanguageChoice.h"

namespace vardex {

namespace {

constexpr wchar_t kRoundedFace[] = L"Arial Rounded MT Bold";
constexpr int kGreekRowHeight = 42;

struct SRow {
    int primary;
    const wchar_t* file;
    const wchar_t* suffix;
    int sizeClass;
};

// The languages with files of their own, by primary language.
constexpr SRow kRows[] = {
    {5, L"Czech.txt", L"cz", 2},    {7, L"German.txt", L"de", 2},     {8, L"Greek.txt", L"gk", 3},
    {10, L"Spanish.txt", L"sp", 2}, {12, L"French.txt", L"fr", 3},    {16, L"Italian.txt", L"it", 3},
    {17, L"Japanese.txt", L"jp", 1}, {18, L"Korean.txt", L"ko", 1},   {21, L"Polish.txt", L"po", 2},
    {22, L"Brasil.txt", L"br", 2},  {25, L"Russian.txt", L"ru", 2},   {31, L"Turkish.txt", L"tk", 3},
};

constexpr int kChinese = 4;
constexpr int kGreek = 8;
constexpr int kSimplifiedSubLanguage = 2;

SLanguageChoice Make(const wchar_t* file, const wchar_t* suffix, const wchar_t* face, int sizeClass)
{
    const std::wstring s = suffix;
    return {file, L"Information_" + s + L".html", L"UserInterfaceSetupGuide_" + s + L".html", face, sizeClass, 0};
}

} // namespace

SLanguageChoice ChooseLanguage(std::uint16_t languageId)
{
    const int primary = languageId & 0x3FF;
    if (primary == kChinese) {
        if ((languageId >> 10) == kSimplifiedSubLanguage)
            return Make(L"SimpleChinese.txt", L"sc", L"\u65B0\u7D30\u660E\u9AD4", 1);
        return Make(L"TradionalChinese.txt", L"tc", L"\u5B8B\u9AD4", 1);
    }
    for (const SRow& row : kRows) {
        if (row.primary != primary)
            continue;
        SLanguageChoice choice = Make(row.file, row.suffix, kRoundedFace, row.sizeClass);
        if (primary == kGreek)
            choice.listRowHeight = kGreekRowHeight;
        return choice;
    }
    return Make(L"English.txt", L"en", kRoundedFace, 0);
}

SFontSpec HeadingFont()
{
    return {kRoundedFace, 24, 14, 900};
}

SFontSpec MessageFont(const SLanguageChoice& choice)
{
    return {choice.listFace, 14, 0, 500};
}

SFontSpec ListFont(const SLanguageChoice& choice)
{
    constexpr int kHeight[4] = {9, 14, 13, 13};
    constexpr int kWidth[4] = {5, 6, 4, 4};
    constexpr int kWeight[4] = {500, 600, 400, 600};
    const int c = choice.sizeClass >= 0 && choice.sizeClass < 4 ? choice.sizeClass : 0;
    return {choice.listFace, kHeight[c], kWidth[c], kWeight[c]};
}

} // namespace vardex
