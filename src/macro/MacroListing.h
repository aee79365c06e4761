// What the editor's list shows for a line: the listing text of its instruction and
// the text of its delay.
#pragma once

#include "macro/MacroLine.h"
#include "macro/MacroTexts.h"

#include <string>

namespace vardex {

// The listing text of line; targetLine is the index of the line its jump target
// resolves to, -1 when unresolved ("??"). At most 255 characters.
std::wstring ListingText(const MacroLine& line, int targetLine);

// D x unit ms: up to 1000 ms as "25ms", above as tenths of a second, "1.0sec".
std::wstring DelayText(int delay, int unitMs, const SMacroTexts& texts);

} // namespace vardex
