// Any bytes as a language file: read or refused, and no text ever longer than its
// entry.
#include "lang/LanguageFile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace vardex;
    CTextTables tables;
    ReadLanguageFile({data, size}, L"English.txt", tables);
    for (int i = 0; i < CTextTables::kUiCount; ++i)
        if (tables.Ui(i).size() >= CTextTables::kUiCapacity)
            std::abort();
    for (int i = 0; i < CTextTables::kMessageCount; ++i)
        if (tables.Message(i).size() >= CTextTables::kMessageCapacity)
            std::abort();
    for (int i = 0; i < CTextTables::kFunctionCount; ++i)
        if (tables.FunctionName(i).size() >= CTextTables::kFunctionCapacity)
            std::abort();
    if (tables.Caption().size() >= CTextTables::kCaptionCapacity || tables.Unit(0).size() >= CTextTables::kUnitCapacity)
        std::abort();
    return 0;
}
