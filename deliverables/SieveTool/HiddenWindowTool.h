// The start both tools share: a window of the tool's class that is created and
// hidden at once, the work, and the exit code (1 when it ran, 0 when the window
// could not be created). There is no message loop.
#pragma once

#include <windows.h>

namespace vardex {

int RunHiddenWindowTool(HINSTANCE instance, void (*work)());

} // namespace vardex
