// The words of the macro editor that come from the program's text tables. The built-in
// English is the default; the language loader fills in the current language.
#pragma once

#include <string>

namespace vardex {

struct SMacroTexts {
    std::wstring msWord = L"ms";
    std::wstring secWord = L"sec";
    std::wstring numberHeading = L"NO.";
    std::wstring instructionHeading = L"INSTRUCTION";
    std::wstring delayHeading = L"DELAY";
    std::wstring helpDocument = L"UserInterfaceSetupGuide_en.html";
};

} // namespace vardex
