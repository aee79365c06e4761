// The small decisions of the program's start: the Windows version code and the
// automation switch of the command line.
#pragma once

#include "platform/SystemSettings.h"

#include <string>

namespace vardex {

// 0, 2, 3 for Windows 95, 98 and Me; 4 and 5 for NT 3, NT 4 and 2000; 8 for NT 6;
// 7 for anything else and when the version is unknown. 1 and 6 are never produced.
int WindowsVersionCode(bool known, const SOsVersion& version);

// The command line's arguments (after the program's name) hold "Automation" after
// a slash or a hyphen, in any case.
bool HasAutomationSwitch(const std::wstring& arguments);

} // namespace vardex
