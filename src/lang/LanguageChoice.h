// The language the program speaks, chosen once from the system's default language
// identifier: the language file, the two help documents, the face of the list and
// message fonts and a size class for the list font.
#pragma once

#include <cstdint>
#include <string>

namespace vardex {

struct SLanguageChoice {
    std::wstring languageFile;
    std::wstring informationDocument;
    std::wstring interfaceGuide;
    std::wstring listFace;
    int sizeClass = 0;
    int listRowHeight = 0; // the button-function lists' row height; 0 keeps their default
};

SLanguageChoice ChooseLanguage(std::uint16_t languageId);

// A font as the windows create it (ANSI character set, variable pitch, Swiss family).
struct SFontSpec {
    std::wstring face;
    int height;
    int width; // 0: the face's default
    int weight;
};

SFontSpec HeadingFont();
SFontSpec MessageFont(const SLanguageChoice& choice);
SFontSpec ListFont(const SLanguageChoice& choice);

} // namespace vardex
